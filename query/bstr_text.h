#pragma once
// Conversions between program strings (system ANSI code page) and UTF-16 BSTRs, used only at
// the WMI boundary.
#include <string>

#include <windows.h>
#include <oleauto.h>

// A new BSTR (free it with SysFreeString). It ends at the text's first NUL; the empty text gives
// an empty BSTR, never a null one (std::bad_alloc when memory runs out). Characters are converted
// with the ANSI code page.
BSTR ToBstr(const std::string& text);

// The BSTR's text up to its terminating NUL, in the ANSI code page; characters the code page
// lacks become its default character. A null BSTR gives the empty text.
std::string FromBstr(BSTR bstr);
