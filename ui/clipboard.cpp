#include "ui/clipboard.h"

#include <cstring>
#include <memory>
#include <utility>

namespace {

struct GlobalFreeing {
    void operator()(HGLOBAL block) const { GlobalFree(block); }
};
// A block the clipboard has not taken yet.
using OwnedGlobal = std::unique_ptr<void, GlobalFreeing>;

// A moveable block of `size` bytes, as the clipboard takes it, filled by `fill`; null when out of
// memory or when `fill` fails.
template <typename Fill>
OwnedGlobal GlobalBlock(std::size_t size, const Fill& fill) {
    OwnedGlobal block(GlobalAlloc(GMEM_MOVEABLE, size));
    void* target = block ? GlobalLock(block.get()) : nullptr;
    if (target == nullptr) return nullptr;
    const bool filled = fill(target);
    GlobalUnlock(block.get());
    return filled ? std::move(block) : nullptr;
}

// Another program may hold the clipboard open for a moment, as a clipboard viewer does while it
// reads it: tried again for about 100 ms, the time of a keystroke.
bool OpenClipboardSoon(HWND owner) {
    const DWORD start = GetTickCount();
    while (!OpenClipboard(owner)) {
        if (GetTickCount() - start >= 100) return false;
        Sleep(10);
    }
    return true;
}

// Puts the block on the open clipboard, which then owns it; false, with the block still the
// program's, when the clipboard does not take it.
bool HandOver(UINT format, OwnedGlobal& block) {
    if (SetClipboardData(format, block.get()) == nullptr) return false;
    static_cast<void>(block.release());
    return true;
}

}  // namespace

bool PutOnClipboard(HWND owner, std::size_t size, const std::function<bool(char* into)>& write) {
    if (size == static_cast<std::size_t>(-1)) return false;  // no room for its NUL
    // Made before the clipboard is opened, so that running out of memory leaves it as it was.
    OwnedGlobal ansi = GlobalBlock(size + 1, [&](void* into) {
        static_cast<char*>(into)[size] = '\0';
        return write(static_cast<char*>(into));
    });
    // Windows makes CF_UNICODETEXT from CF_TEXT in the code page of CF_LOCALE, which it would
    // otherwise take from the keyboard layout in use: the system locale is the one whose code page
    // is the ANSI code page.
    const LCID locale = GetSystemDefaultLCID();
    OwnedGlobal localeBlock = GlobalBlock(sizeof locale, [&locale](void* into) {
        std::memcpy(into, &locale, sizeof locale);
        return true;
    });
    if (!ansi || !localeBlock || !OpenClipboardSoon(owner)) return false;
    const bool put = EmptyClipboard() && HandOver(CF_TEXT, ansi);
    if (put) HandOver(CF_LOCALE, localeBlock);  // without it the text is still whole
    CloseClipboard();
    return put;
}

bool PutOnClipboard(HWND owner, const std::string& text) {
    return PutOnClipboard(owner, text.size(), [&](char* into) { return text.copy(into, text.size()) == text.size(); });
}
