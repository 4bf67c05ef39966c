// ui_scenes DIR SCENE...: for each scene in turn, makes the real window afresh and puts it into the
// scene; once everything is painted, writes the window's screen rectangle ("x y width height") to
// DIR/SCENE.ready and keeps the window up until DIR/SCENE.done exists (at most a minute).
// screenshots.sh takes the pictures.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "tests/ui/window_fixture.h"
#include "ui/main_window.h"
#include "ui/pages.h"
#include "ui/window_state.h"

namespace {

void Select(int tree, int index) {
    SendMessageA(Control(tree), TVM_SELECTITEM, TVGN_CARET,
                 reinterpret_cast<LPARAM>(Window().tree[tree - HierarchyTree].handle[index]));
}

void Expand(int tree, int index) {
    SendMessageA(Control(tree), TVM_EXPAND, TVE_EXPAND,
                 reinterpret_cast<LPARAM>(Window().tree[tree - HierarchyTree].handle[index]));
}

bool SetUpScene(const std::string& scene) {
    if (scene == "start-up") return true;
    if (scene == "expanded-heading") {
        // Two headings open, a heading selected (selection colours) and one not (HeadingColour).
        Expand(HierarchyTree, 0);
        Expand(HierarchyTree, 1);
        Expand(HierarchyTree, 6);
        Select(HierarchyTree, 6);
        SetFocus(Control(HierarchyTree));
        return true;
    }
    if (scene == "coloured-rows") {
        ClearRows();
        // Two headings and, selected, a coloured row with both columns.
        const char* const rows[] = {"", "Item #1", "Caption\nWine BIOS", "Manufacturer\nThe Wine Project",
                                    "Version\nWINE   - 1", "", "Item #2", "Caption\nsecond"};
        for (const char* row : rows) AppendRow(row);
        SetRowColour(1, HeadingColour);
        SetRowColour(3, HeadingColour);
        SetRowColour(6, HeadingColour);
        RemoveRow(0);  // the colours move up with their rows
        LVITEMA state = {};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(Control(ResultList), LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&state));
        SetFocus(Control(ResultList));
        return true;
    }
    if (scene == "empty-list") {
        ClearRows();
        return true;
    }
    if (scene == "custom-page") {
        ShowPage(2);
        SetWindowTextA(Control(CustomQueryField), "Select Caption, Name from Win32_OperatingSystem");
        return true;
    }
    return false;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool ShowScene(const std::string& directory, const std::string& scene) {
    if (!MakeWindow(true)) return false;
    SetForegroundWindow(Window().main);
    if (!SetUpScene(scene)) {
        std::fprintf(stderr, "unknown scene %s\n", scene.c_str());
        return false;
    }
    RedrawWindow(Window().main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (int i = 0; i < 10; ++i) {
        PumpMessages();
        Sleep(30);
    }

    RECT rect;
    GetWindowRect(Window().main, &rect);
    if (FILE* ready = std::fopen((directory + "/" + scene + ".ready").c_str(), "w")) {
        std::fprintf(ready, "%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
        std::fclose(ready);
    }
    const std::string done = directory + "/" + scene + ".done";
    for (int i = 0; i < 1200 && !Exists(done); ++i) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        PumpMessages();
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: ui_scenes DIR SCENE...\n");
        return 2;
    }
    for (int i = 2; i < argc; ++i)
        if (!ShowScene(argv[1], argv[i])) return 1;
    DestroyMainWindow();
    return 0;
}
