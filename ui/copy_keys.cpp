#include "ui/copy_keys.h"

#include <new>
#include <optional>
#include <string>

#include "ui/clipboard.h"
#include "ui/controls.h"
#include "ui/copy_text.h"
#include "ui/window_state.h"

namespace {

bool Down(int key) { return GetKeyState(key) < 0; }

}  // namespace

bool CopyFrom(int control, bool everyRow) {
    // Running out of memory fails the copy, as a clipboard held by another program does.
    try {
        if (control != ResultList) {
            const std::string text = TreeCopyText(control);
            return text.empty() || PutOnClipboard(Window().main, text);
        }
        const std::optional<std::size_t> measured = ResultListCopySize(everyRow);
        if (!measured) return false;
        const std::size_t size = *measured;
        return size == 0 || PutOnClipboard(Window().main, size, [everyRow, size](char* into) {
                   return WriteResultListCopy(everyRow, into, size);
               });
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool OnCopyKey(int control, WORD key) {
    // Ctrl with Alt is AltGr, which types characters of its own.
    if (!Down(VK_CONTROL) || Down(VK_MENU) || (key != 'C' && key != VK_INSERT)) return false;
    if (!CopyFrom(control, key == 'C' && Down(VK_SHIFT))) MessageBeep(MB_ICONWARNING);
    return true;
}
