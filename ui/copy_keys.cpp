#include "ui/copy_keys.h"

#include <string>

#include "ui/clipboard.h"
#include "ui/controls.h"
#include "ui/copy_text.h"
#include "ui/window_state.h"

namespace {

bool Down(int key) { return GetKeyState(key) < 0; }

}  // namespace

bool CopyFrom(int control, bool everyRow) {
    const std::string text = control == ResultList ? ResultListCopyText(everyRow) : TreeCopyText(control);
    return text.empty() || PutOnClipboard(Window().main, text);
}

bool OnCopyKey(int control, WORD key) {
    // Ctrl with Alt is AltGr, which types characters of its own.
    if (!Down(VK_CONTROL) || Down(VK_MENU) || (key != 'C' && key != VK_INSERT)) return false;
    if (!CopyFrom(control, key == 'C' && Down(VK_SHIFT))) MessageBeep(MB_ICONWARNING);
    return true;
}
