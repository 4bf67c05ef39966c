// screens_driver PROGRAM DIR: starts PROGRAM and walks it, with real keyboard input only, through
// the screens a user meets: start-up, an opened category, a class without instances, a single
// object, several objects, the Alphabetical page, the Custom page, several objects of a typed
// statement, an error box and the window after it. For each screen it types the screen's keys, waits until the program shows what they
// ask for (checked from outside: title, page, focus, selection, rows, the box), and until all is
// painted; then it writes the rectangle to photograph ("x y width height": the window, with the
// box when one is up) to DIR/<NN-name>.ready and waits for DIR/<NN-name>.done. At the end it closes
// the program with WM_CLOSE and writes its exit code to DIR/exit-code. Exit code 0 when every
// screen was reached and the program ended with code 0.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/tools/driver_support.h"

namespace {

// The program's control numbers, which are also their window identifiers.
enum { ResultList = 0, ViewTabs = 1, HierarchyTree = 2, AlphabeticalTree = 3, CustomHint = 4, CustomQueryField = 5 };

const char* const ReadyText = "Please select a class to access its data";

struct Program {
    PROCESS_INFORMATION process;
    HWND main;
    char* remote;  // a page in the program's memory that its controls write their texts into
};

// Memory of the program that a control can be given a pointer to: the list and tree messages
// carry pointers, which are only valid in the program's own address space.
constexpr SIZE_T RemoteSize = 4096;
constexpr SIZE_T RemoteTextAt = 512;
constexpr int RemoteTextSize = 2048;

std::string ReadRemoteText(const Program& program) {
    char text[RemoteTextSize] = {};
    SIZE_T read = 0;
    ReadProcessMemory(program.process.hProcess, program.remote + RemoteTextAt, text, sizeof text - 1, &read);
    return text;
}

struct FindById {
    int id;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchId(HWND window, LPARAM context) {
    FindById& find = *reinterpret_cast<FindById*>(context);
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    if (GetDlgCtrlID(window) != find.id || lstrcmpiA(name, find.className) != 0) return TRUE;
    find.found = window;
    return FALSE;
}

// A control by its number and class (the page containers have identifier 0, like the ResultList).
HWND ControlOf(const Program& program, int number) {
    static const char* const classes[] = {"SysListView32", "SysTabControl32", "SysTreeView32", "SysTreeView32",
                                          "Static",        "Edit",            "Button"};
    FindById find = {number, classes[number], nullptr};
    EnumChildWindows(program.main, MatchId, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

std::string RowText(const Program& program, HWND list, int row, int column) {
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = program.remote + RemoteTextAt;
    item.cchTextMax = RemoteTextSize;
    WriteProcessMemory(program.process.hProcess, program.remote, &item, sizeof item, nullptr);
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(program.remote));
    return ReadRemoteText(program);
}

struct TreeSelection {
    std::string text;
    bool expanded = false;
};

TreeSelection SelectionOf(const Program& program, HWND tree) {
    TreeSelection selection;
    const LRESULT item = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
    if (item == 0) return selection;
    TVITEMA request = {};
    request.mask = TVIF_TEXT;
    request.hItem = reinterpret_cast<HTREEITEM>(item);
    request.pszText = program.remote + RemoteTextAt;
    request.cchTextMax = RemoteTextSize;
    WriteProcessMemory(program.process.hProcess, program.remote, &request, sizeof request, nullptr);
    if (SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(program.remote))) selection.text = ReadRemoteText(program);
    selection.expanded = (SendMessageA(tree, TVM_GETITEMSTATE, static_cast<WPARAM>(item), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    return selection;
}

// The window class of a message box.
const char* const MessageBoxClass = "#32770";

// The caption of a top-level window.
std::string TextOf(HWND window) {
    char text[1024] = {};
    if (window != nullptr) GetWindowTextA(window, text, sizeof text);
    return text;
}

// The text of a control: asked of the control itself, as an edit field of another process keeps
// what was typed into it to itself (the system copies this message's text between processes).
std::string ControlText(HWND control) {
    char text[1024] = {};
    DWORD_PTR copied = 0;
    if (control != nullptr)
        SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000,
                            &copied);
    return text;
}

// What the user sees, as far as a screen's checks need it.
struct State {
    std::string title;
    bool enabled = false;
    int page = -1;
    int focus = -1;  // the number of the control with the focus; -1 for none of them
    std::vector<std::string> property, value;
    TreeSelection hierarchy, alphabetical;
    bool hierarchyShown = false, alphabeticalShown = false, customShown = false;
    std::string field;
    HWND box = nullptr;
    std::string boxCaption, boxText;
};

State Observe(const Program& program) {
    State state;
    state.title = TextOf(program.main);
    state.enabled = IsWindowEnabled(program.main) != FALSE;
    state.page = static_cast<int>(SendMessageA(ControlOf(program, ViewTabs), TCM_GETCURSEL, 0, 0));
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    if (GetGUIThreadInfo(program.process.dwThreadId, &thread) && thread.hwndFocus != nullptr &&
        IsChild(program.main, thread.hwndFocus))
        state.focus = GetDlgCtrlID(thread.hwndFocus);
    const HWND list = ControlOf(program, ResultList);
    const int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) {
        state.property.push_back(RowText(program, list, row, 0));
        state.value.push_back(RowText(program, list, row, 1));
    }
    state.hierarchy = SelectionOf(program, ControlOf(program, HierarchyTree));
    state.alphabetical = SelectionOf(program, ControlOf(program, AlphabeticalTree));
    state.hierarchyShown = IsWindowVisible(ControlOf(program, HierarchyTree)) != FALSE;
    state.alphabeticalShown = IsWindowVisible(ControlOf(program, AlphabeticalTree)) != FALSE;
    state.customShown = IsWindowVisible(ControlOf(program, CustomHint)) != FALSE;
    state.field = ControlText(ControlOf(program, CustomQueryField));
    state.box = VisibleWindowOf(program.process.dwProcessId, MessageBoxClass);
    if (state.box != nullptr) {
        state.boxCaption = TextOf(state.box);
        state.boxText = ControlText(GetDlgItem(state.box, 0xFFFF));  // the box's text
    }
    return state;
}

void Print(const State& state) {
    std::fprintf(stderr, "  title \"%s\", %s, page %d, focus on control %d\n", state.title.c_str(),
                 state.enabled ? "enabled" : "disabled", state.page, state.focus);
    std::fprintf(stderr, "  pages shown: hierarchy %d, alphabetical %d, custom %d; field \"%s\"\n",
                 state.hierarchyShown, state.alphabeticalShown, state.customShown, state.field.c_str());
    std::fprintf(stderr, "  hierarchy selection \"%s\"%s, alphabetical selection \"%s\"\n",
                 state.hierarchy.text.c_str(), state.hierarchy.expanded ? " (expanded)" : "",
                 state.alphabetical.text.c_str());
    std::fprintf(stderr, "  %zu rows\n", state.property.size());
    for (size_t row = 0; row < state.property.size() && row < 6; ++row)
        std::fprintf(stderr, "    \"%s\" | \"%s\"\n", state.property[row].c_str(), state.value[row].c_str());
    if (state.box != nullptr)
        std::fprintf(stderr, "  box \"%s\": \"%s\"\n", state.boxCaption.c_str(), state.boxText.c_str());
}

bool HasProperty(const State& state, const std::string& name) {
    for (const std::string& property : state.property)
        if (property == name) return true;
    return false;
}

// The value of the first row with that property; "" when there is none.
std::string ValueOf(const State& state, const std::string& name) {
    for (size_t row = 0; row < state.property.size(); ++row)
        if (state.property[row] == name) return state.value[row];
    return "";
}

bool HasHeading(const State& state) {
    for (const std::string& property : state.property)
        if (property.compare(0, 6, "Item #") == 0) return true;
    return false;
}

bool HasSystemProperty(const State& state) {
    for (const std::string& property : state.property)
        if (property.compare(0, 2, "__") == 0) return true;
    return false;
}

bool Idle(const State& state) { return state.title == "Ostrevo" && state.enabled && state.box == nullptr; }

struct Screen {
    const char* name;
    const char* keys;
    const char* shows;  // what is checked, for the message when it is not reached
    bool (*reached)(const State&);
};

// One walk through the program, each screen starting where the one before left it. The trees
// move their selection by keyboard one item at a time, and every class passed on the way runs
// its query, as it would for a user.
const Screen screens[] = {
    {"start-up", "", "the Hierarchical Order page and the first row",
     [](const State& s) {
         return Idle(s) && s.page == 0 && s.hierarchyShown && s.property.size() == 1 && s.property[0].empty() &&
                s.value[0] == ReadyText;
     }},
    // Tab to the tabs, Tab to the tree (which then selects its first item, a heading), open it,
    // go down to its first subcategory and open that too.
    {"hierarchy-expanded", "{TAB}{TAB}{HOME}{RIGHT}{DOWN}{RIGHT}", "Cooling Device opened and selected in the tree",
     [](const State& s) {
         return Idle(s) && s.focus == HierarchyTree && s.hierarchy.text == "Cooling Device" && s.hierarchy.expanded &&
                s.value.size() == 1 && s.value[0] == ReadyText;
     }},
    {"no-data", "{DOWN}", "Win32_Fan selected, \"No data to display\"",
     [](const State& s) {
         return Idle(s) && s.hierarchy.text == "Win32_Fan" && s.property.size() == 1 && s.property[0].empty() &&
                s.value[0] == "No data to display";
     }},
    // Down past the rest of Cooling Device and two closed subcategories to "Motherboard,
    // Controller, and Port", open it, and down six classes to Win32_BIOS.
    {"single-object", "{DOWN}{DOWN}{DOWN}{DOWN}{DOWN}{DOWN}{RIGHT}{DOWN}{DOWN}{DOWN}{DOWN}{DOWN}{DOWN}",
     "Win32_BIOS selected, its properties without a heading",
     [](const State& s) {
         return Idle(s) && s.hierarchy.text == "Win32_BIOS" && HasProperty(s, "SMBIOSBIOSVersion") && !HasHeading(s) &&
                !s.property[0].empty();
     }},
    // Up past the first classes of that subcategory and its heading to "Mass Storage", open it,
    // and down five classes to Win32_LogicalDisk (drives C: and Z: under Wine).
    {"multi-object-tree", "{UP}{UP}{UP}{UP}{UP}{UP}{UP}{RIGHT}{DOWN}{DOWN}{DOWN}{DOWN}{DOWN}",
     "Win32_LogicalDisk selected, all properties (system ones too) of several disks under Item # headings",
     [](const State& s) {
         return Idle(s) && s.hierarchy.text == "Win32_LogicalDisk" && !s.property.empty() &&
                s.property[0] == "Item #1" && HasProperty(s, "Item #2") &&
                ValueOf(s, "__CLASS") == "Win32_LogicalDisk";
     }},
    // Back to the tabs, one page right.
    {"alphabetical", "{SHIFTTAB}{RIGHT}", "the Alphabetical Order page, the disks' rows kept",
     [](const State& s) {
         return Idle(s) && s.page == 1 && s.focus == ViewTabs && s.alphabeticalShown && !s.hierarchyShown &&
                ValueOf(s, "__CLASS") == "Win32_LogicalDisk";
     }},
    {"custom-page", "{RIGHT}", "the Custom page with its hint and an empty field",
     [](const State& s) {
         return Idle(s) && s.page == 2 && s.focus == ViewTabs && s.customShown && !s.alphabeticalShown &&
                s.field.empty();
     }},
    {"multi-object-custom", "{TAB}Select Name from Win32_Process{TAB}{SPACE}",
     "several processes under Item # headings, no system properties",
     [](const State& s) {
         return Idle(s) && s.field == "Select Name from Win32_Process" && !s.property.empty() &&
                s.property[0] == "Item #1" && HasProperty(s, "Item #2") && HasProperty(s, "Name") &&
                !HasSystemProperty(s);
     }},
    // Back to the field, its text selected and typed over, then the button.
    {"error-box", "{SHIFTTAB}{END}{SHIFTHOME}garbage statement{TAB}{SPACE}",
     "the ERROR box over the disabled window, the list empty",
     [](const State& s) {
         return s.box != nullptr && s.boxCaption == "ERROR" && s.boxText == "unable to call IWbemServices::ExecQuery" &&
                !s.enabled && s.title == "Ostrevo  -  retrieving data from garbage statement" && s.property.empty();
     }},
    {"error-dismissed", "{ENTER}", "the box gone, the window enabled, the list empty",
     [](const State& s) { return Idle(s) && s.field == "garbage statement" && s.property.empty(); }},
};

// Waits until the screen is reached, twice in a row, and painted; false after a minute.
bool Reach(const Program& program, const Screen& screen, State& state) {
    for (int i = 0, seen = 0; i < 600; ++i) {
        WaitForInputIdle(program.process.hProcess, 100);
        Sleep(50);
        state = Observe(program);
        seen = screen.reached(state) ? seen + 1 : 0;
        if (seen == 2) {
            WaitUntilPainted(program.main);
            if (state.box != nullptr) WaitUntilPainted(state.box);
            return true;
        }
    }
    return false;
}

RECT Picture(const Program& program, const State& state) {
    RECT rect;
    GetWindowRect(program.main, &rect);
    RECT box;
    if (state.box != nullptr && GetWindowRect(state.box, &box)) UnionRect(&rect, &rect, &box);
    return rect;
}

bool Walk(const Program& program, const std::string& directory) {
    SetForegroundWindow(program.main);
    int number = 0;
    for (const Screen& screen : screens) {
        ++number;
        if (!TypeKeys(screen.keys)) {
            std::fprintf(stderr, "screens_driver: unknown key name in %s\n", screen.keys);
            return false;
        }
        State state;
        if (!Reach(program, screen, state)) {
            std::fprintf(stderr, "screens_driver: %s: not reached within a minute: %s. What shows:\n", screen.name,
                         screen.shows);
            Print(state);
            return false;
        }
        char name[64];
        std::snprintf(name, sizeof name, "%02d-%s", number, screen.name);
        if (!WriteRect(directory + "/" + name + ".ready", Picture(program, state)) ||
            !WaitForFile(directory + "/" + name + ".done", 60000)) {
            std::fprintf(stderr, "screens_driver: %s: no picture taken\n", screen.name);
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: screens_driver PROGRAM DIR\n");
        return 2;
    }
    const std::string directory = argv[2];
    Program program = {};
    if (!StartProgram(argv[1], program.process)) return 2;
    program.main = WaitForMainWindow(program.process);
    program.remote = static_cast<char*>(
        VirtualAllocEx(program.process.hProcess, nullptr, RemoteSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    bool walked = false;
    if (program.main == nullptr) {
        std::fprintf(stderr, "screens_driver: no main window answering within a minute\n");
    } else if (program.remote == nullptr) {
        std::fprintf(stderr, "screens_driver: no memory in the program (error %lu)\n", GetLastError());
    } else {
        WaitUntilPainted(program.main);
        walked = Walk(program, directory);
    }

    // A box left up is dismissed so that the close request reaches the loop.
    const HWND main = program.main;
    DWORD code = 1;
    if (main != nullptr) {
        const HWND box = VisibleWindowOf(program.process.dwProcessId, MessageBoxClass);
        if (box != nullptr) PostMessageA(box, WM_COMMAND, IDOK, 0);
        if (program.remote != nullptr) VirtualFreeEx(program.process.hProcess, program.remote, 0, MEM_RELEASE);
        code = CloseProgram(main, program.process);
    } else {
        TerminateProcess(program.process.hProcess, 1);
        CloseHandle(program.process.hThread);
        CloseHandle(program.process.hProcess);
    }
    if (FILE* exit = std::fopen((directory + "/exit-code").c_str(), "w")) {
        std::fprintf(exit, "%lu\n", code);
        std::fclose(exit);
    }
    if (code != 0) std::fprintf(stderr, "screens_driver: the program ended with exit code %lu\n", code);
    return walked && code == 0 ? 0 : 1;
}
