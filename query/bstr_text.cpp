#include "query/bstr_text.h"

#include <new>
#include <vector>

#include <windows.h>

BSTR ToBstr(const std::string& text) {
    const int length = static_cast<int>(text.size());
    // Measured first; the empty text measures 0 units and leaves only the terminator.
    const int units = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    // One more unit than measured, zero-filled: the terminator.
    std::vector<WCHAR> buffer(static_cast<size_t>(units) + 1, 0);
    if (units > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), length, buffer.data(), units);
    BSTR copy = SysAllocString(buffer.data());
    if (copy == nullptr) throw std::bad_alloc();  // a null BSTR stands for no text at all
    return copy;
}

std::string FromBstr(BSTR bstr) {
    if (bstr == nullptr) return std::string();
    // Measured up to and including the terminating NUL.
    const int bytes = WideCharToMultiByte(CP_ACP, 0, bstr, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return std::string();
    std::vector<char> buffer(static_cast<size_t>(bytes), 0);
    WideCharToMultiByte(CP_ACP, 0, bstr, -1, buffer.data(), bytes, nullptr, nullptr);
    return std::string(buffer.data(), static_cast<size_t>(bytes) - 1);
}
