#pragma once
#include <string>

#include <windows.h>
#include <oleauto.h>

// The text a property value shows: a string as it is, a 32-bit integer in signed decimal, and
// every other type (null, booleans, other integer widths, reals, dates, arrays) as the empty text.
std::string VariantText(const VARIANT& value);
