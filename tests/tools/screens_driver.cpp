// screens_driver PROGRAM DIR STEPS: starts PROGRAM and drives it, with real keyboard input only,
// through the screens the steps name:
//   walk            every screen a user meets: start-up, an opened category, a class without
//                   instances, a single object, several objects, the Alphabetical page, the Custom
//                   page, several objects of a typed statement, an error box and the window after it;
//   start-up        the window once start-up is over;
//   start-up KEYS   that, then KEYS typed (see TypeKeys) and the window once their query has run.
// For each screen it types the screen's keys, waits until the program shows what they ask for
// (checked from outside: title, page, focus, selection, rows, the box), and until all is painted;
// it checks that the heading colour reaches the screen in the "Item #" rows of the ResultList and
// nowhere else in it (and, where a screen asks, in the Hierarchical Order tree); then it writes the
// rectangle to photograph ("x y width height": the window, with the box when one is up) to
// DIR/<NN-name>.ready and waits for DIR/<NN-name>.done. At the end it closes the program with
// WM_CLOSE and writes its exit code to DIR/exit-code. It reports through files, as a program started
// inside a Wine 10 virtual desktop has no standard error of its caller's: the names of the screens
// the steps name go first to DIR/screens, its messages to DIR/messages, and its own result last to
// DIR/result (also its exit code): 0 when every screen was reached and passed its checks and the
// program ended with code 0.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "tests/tools/driver_support.h"
#include "ui/control_definitions.h"

namespace {

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

// A control by its number and class (the page containers have identifier 0, like the ResultList).
HWND Control(const Program& program, int number) {
    return ControlOf(program.main, ControlDefinitions[number].className, number);
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

// The row's rectangle on the screen.
RECT RowRect(const Program& program, HWND list, int row) {
    RECT rect = {LVIR_BOUNDS, 0, 0, 0};
    WriteProcessMemory(program.process.hProcess, program.remote, &rect, sizeof rect, nullptr);
    if (!SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(program.remote)))
        return RECT{};
    ReadProcessMemory(program.process.hProcess, program.remote, &rect, sizeof rect, nullptr);
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
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
    state.page = static_cast<int>(SendMessageA(Control(program, ViewTabs), TCM_GETCURSEL, 0, 0));
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    if (GetGUIThreadInfo(program.process.dwThreadId, &thread) && thread.hwndFocus != nullptr &&
        IsChild(program.main, thread.hwndFocus))
        state.focus = GetDlgCtrlID(thread.hwndFocus);
    const HWND list = Control(program, ResultList);
    const int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) {
        state.property.push_back(RowText(program, list, row, 0));
        state.value.push_back(RowText(program, list, row, 1));
    }
    state.hierarchy = SelectionOf(program, Control(program, HierarchyTree));
    state.alphabetical = SelectionOf(program, Control(program, AlphabeticalTree));
    state.hierarchyShown = IsWindowVisible(Control(program, HierarchyTree)) != FALSE;
    state.alphabeticalShown = IsWindowVisible(Control(program, AlphabeticalTree)) != FALSE;
    state.customShown = IsWindowVisible(Control(program, CustomHint)) != FALSE;
    state.field = ControlText(Control(program, CustomQueryField));
    state.box = TopLevelWindowOf(program.process.dwProcessId, MessageBoxClass, true);
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

bool IsHeading(const std::string& property) { return property.compare(0, 6, "Item #") == 0; }

bool HasHeading(const State& state) {
    for (const std::string& property : state.property)
        if (IsHeading(property)) return true;
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
    bool treeHeadings;  // whether the Hierarchical Order tree shows headings in their colour
};

// One walk through the program, each screen starting where the one before left it. The trees
// move their selection by keyboard one item at a time, and every class passed on the way runs
// its query, as it would for a user.
const Screen walk[] = {
    {"start-up", "", "the Hierarchical Order page and the first row",
     [](const State& s) {
         return Idle(s) && s.page == 0 && s.hierarchyShown && s.property.size() == 1 && s.property[0].empty() &&
                s.value[0] == ReadyText;
     },
     true},
    // Tab to the tabs, Tab to the tree (which then selects its first item, a heading), open it,
    // go down to its first subcategory and open that too.
    {"hierarchy-expanded", "{TAB}{TAB}{HOME}{RIGHT}{DOWN}{RIGHT}", "Cooling Device opened and selected in the tree",
     [](const State& s) {
         return Idle(s) && s.focus == HierarchyTree && s.hierarchy.text == "Cooling Device" && s.hierarchy.expanded &&
                s.value.size() == 1 && s.value[0] == ReadyText;
     },
     true},
    {"no-data", "{DOWN}", "Win32_Fan selected, \"No data to display\"",
     [](const State& s) {
         return Idle(s) && s.hierarchy.text == "Win32_Fan" && s.property.size() == 1 && s.property[0].empty() &&
                s.value[0] == "No data to display";
     },
     false},
    // Down past the rest of Cooling Device and two closed subcategories to "Motherboard,
    // Controller, and Port", open it, and down six classes to Win32_BIOS.
    {"single-object", "{DOWN}{DOWN}{DOWN}{DOWN}{DOWN}{DOWN}{RIGHT}{DOWN}{DOWN}{DOWN}{DOWN}{DOWN}{DOWN}",
     "Win32_BIOS selected, its properties without a heading",
     [](const State& s) {
         return Idle(s) && s.hierarchy.text == "Win32_BIOS" && HasProperty(s, "SMBIOSBIOSVersion") && !HasHeading(s) &&
                !s.property[0].empty();
     },
     false},
    // Up past the first classes of that subcategory and its heading to "Mass Storage", open it,
    // and down five classes to Win32_LogicalDisk (drives C: and Z: under Wine).
    {"multi-object-tree", "{UP}{UP}{UP}{UP}{UP}{UP}{UP}{RIGHT}{DOWN}{DOWN}{DOWN}{DOWN}{DOWN}",
     "Win32_LogicalDisk selected, all properties (system ones too) of several disks under Item # headings",
     [](const State& s) {
         return Idle(s) && s.hierarchy.text == "Win32_LogicalDisk" && !s.property.empty() &&
                s.property[0] == "Item #1" && HasProperty(s, "Item #2") &&
                ValueOf(s, "__CLASS") == "Win32_LogicalDisk";
     },
     false},
    // Back to the tabs, one page right.
    {"alphabetical", "{SHIFTTAB}{RIGHT}", "the Alphabetical Order page, the disks' rows kept",
     [](const State& s) {
         return Idle(s) && s.page == 1 && s.focus == ViewTabs && s.alphabeticalShown && !s.hierarchyShown &&
                ValueOf(s, "__CLASS") == "Win32_LogicalDisk";
     },
     false},
    {"custom-page", "{RIGHT}", "the Custom page with its hint and an empty field",
     [](const State& s) {
         return Idle(s) && s.page == 2 && s.focus == ViewTabs && s.customShown && !s.alphabeticalShown &&
                s.field.empty();
     },
     false},
    {"multi-object-custom", "{TAB}Select Name from Win32_Process{TAB}{SPACE}",
     "several processes under Item # headings, no system properties",
     [](const State& s) {
         return Idle(s) && s.field == "Select Name from Win32_Process" && !s.property.empty() &&
                s.property[0] == "Item #1" && HasProperty(s, "Item #2") && HasProperty(s, "Name") &&
                !HasSystemProperty(s);
     },
     false},
    // Back to the field, its text selected and typed over, then the button.
    {"error-box", "{SHIFTTAB}{END}{SHIFTHOME}garbage statement{TAB}{SPACE}",
     "the ERROR box over the disabled window, the list empty",
     [](const State& s) {
         return s.box != nullptr && s.boxCaption == "ERROR" && s.boxText == "unable to call IWbemServices::ExecQuery" &&
                !s.enabled && s.title == "Ostrevo  -  retrieving data from garbage statement" && s.property.empty();
     },
     false},
    {"error-dismissed", "{ENTER}", "the box gone, the window enabled, the list empty",
     [](const State& s) { return Idle(s) && s.field == "garbage statement" && s.property.empty(); },
     false},
};

// Waits until the screen is reached, twice in a row, and painted; false after 600 looks. A look
// sleeps 50 ms and waits up to 100 ms for the program to be idle, so that is 30 s for a program
// idle all along and up to 90 s for a busy one, besides the time the looks themselves take.
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

// The pixels that the screen shows in the rectangle, row by row, as 0x00RRGGBB.
struct Shot {
    RECT rect = {};
    std::vector<DWORD> pixels;

    bool IsHeadingColour(LONG x, LONG y) const {
        const DWORD pixel = pixels[static_cast<size_t>((y - rect.top) * (rect.right - rect.left) + (x - rect.left))];
        return (pixel & 0xFFFFFF) == (static_cast<DWORD>(GetRValue(HeadingColour)) << 16 |
                                      static_cast<DWORD>(GetGValue(HeadingColour)) << 8 | GetBValue(HeadingColour));
    }
};

void ReleaseScreen(HDC screen) { ReleaseDC(nullptr, screen); }

Shot TakeShot(const RECT& rect) {
    Shot shot;
    shot.rect = rect;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return shot;
    const std::unique_ptr<std::remove_pointer_t<HDC>, decltype(&ReleaseScreen)> screen(GetDC(nullptr), ReleaseScreen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const std::unique_ptr<std::remove_pointer_t<HBITMAP>, decltype(&DeleteObject)> bitmap(
        CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0), DeleteObject);
    const std::unique_ptr<std::remove_pointer_t<HDC>, decltype(&DeleteDC)> memory(CreateCompatibleDC(screen.get()),
                                                                                   DeleteDC);
    if (bitmap == nullptr || memory == nullptr) return shot;
    SelectObject(memory.get(), bitmap.get());
    if (!BitBlt(memory.get(), 0, 0, width, height, screen.get(), rect.left, rect.top, SRCCOPY)) return shot;
    GdiFlush();
    const DWORD* first = static_cast<const DWORD*>(bits);
    shot.pixels.assign(first, first + static_cast<size_t>(width) * static_cast<size_t>(height));
    return shot;
}

RECT ClientOnScreen(HWND window) {
    RECT rect = {};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string RowName(const State& state, int row) {
    return "row " + std::to_string(row) + " (\"" + state.property[static_cast<size_t>(row)] + "\" | \"" +
           state.value[static_cast<size_t>(row)] + "\")";
}

// "" when the heading colour shows in every "Item #" row in sight in the ResultList and in no other
// pixel of it; otherwise the first thing that is wrong.
std::string ListColourFault(const Program& program, const State& state) {
    const HWND list = Control(program, ResultList);
    const Shot shot = TakeShot(ClientOnScreen(list));
    if (shot.pixels.empty()) return "the ResultList's pixels could not be read";
    const int first = static_cast<int>(SendMessageA(list, LVM_GETTOPINDEX, 0, 0));
    const int last = std::min(static_cast<int>(state.property.size()) - 1,
                              first + static_cast<int>(SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0)));
    std::vector<RECT> rows;
    for (int row = first; row <= last; ++row) rows.push_back(RowRect(program, list, row));
    std::vector<int> coloured(rows.size(), 0);
    for (LONG y = shot.rect.top; y < shot.rect.bottom; ++y) {
        for (LONG x = shot.rect.left; x < shot.rect.right; ++x) {
            if (!shot.IsHeadingColour(x, y)) continue;
            const POINT point = {x, y};
            size_t at = 0;
            while (at < rows.size() && !PtInRect(&rows[at], point)) ++at;
            const std::string where = "the heading colour at (" + std::to_string(x - shot.rect.left) + ", " +
                                      std::to_string(y - shot.rect.top) + ") of the ResultList";
            if (at == rows.size()) return where + ", outside every row";
            const int row = first + static_cast<int>(at);
            if (!IsHeading(state.property[static_cast<size_t>(row)])) return where + ", in " + RowName(state, row);
            ++coloured[at];
        }
    }
    for (size_t at = 0; at < rows.size(); ++at) {
        const int row = first + static_cast<int>(at);
        const RECT& rect = rows[at];
        const bool inSight = rect.top >= shot.rect.top && rect.bottom <= shot.rect.bottom;
        if (IsHeading(state.property[static_cast<size_t>(row)]) && inSight && coloured[at] == 0)
            return "no pixel in the heading colour in the ResultList's heading " + RowName(state, row);
    }
    return "";
}

// The checks of what reached the screen; "" when all pass.
std::string ColourFault(const Program& program, const Screen& screen, const State& state) {
    if (screen.treeHeadings) {
        const Shot tree = TakeShot(ClientOnScreen(Control(program, HierarchyTree)));
        bool shown = false;
        for (LONG y = tree.rect.top; y < tree.rect.bottom && !shown && !tree.pixels.empty(); ++y)
            for (LONG x = tree.rect.left; x < tree.rect.right && !shown; ++x) shown = tree.IsHeadingColour(x, y);
        if (!shown) return "no pixel in the heading colour in the Hierarchical Order tree";
    }
    return ListColourFault(program, state);
}

std::string PictureName(int number, const Screen& screen) {
    char name[64];
    std::snprintf(name, sizeof name, "%02d-%s", number, screen.name);
    return name;
}

bool Walk(const Program& program, const std::vector<Screen>& screens, const std::string& directory) {
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
            std::fprintf(stderr, "screens_driver: %s: not reached in 600 looks (30 to 90 s): %s. What shows:\n",
                         screen.name, screen.shows);
            Print(state);
            return false;
        }
        const std::string fault = ColourFault(program, screen, state);
        if (!fault.empty()) {
            std::fprintf(stderr, "screens_driver: %s: %s\n", screen.name, fault.c_str());
            return false;
        }
        const std::string path = PictureName(number, screen).insert(0, directory + '/');
        const RECT r = Picture(program, state);
        char rect[64];
        std::snprintf(rect, sizeof rect, "%ld %ld %ld %ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
        if (!WriteText(path + ".ready", rect) || !WaitForFile(path + ".done", 60000)) {
            std::fprintf(stderr, "screens_driver: %s: no picture taken\n", screen.name);
            return false;
        }
    }
    return true;
}

// The screens the steps name; empty when they name none.
std::vector<Screen> ScreensOf(int count, char** steps) {
    const std::string first = count > 0 ? steps[0] : "";
    if (first == "walk" && count == 1) return std::vector<Screen>(std::begin(walk), std::end(walk));
    if (first != "start-up" || count > 2) return {};
    std::vector<Screen> screens = {walk[0]};
    if (count == 2)
        screens.push_back({"after-keys", steps[1], "the keys' query run, its answer in the list",
                           [](const State& s) {
                               return Idle(s) && !(s.property.size() == 1 && s.property[0].empty() &&
                                                   s.value[0] == ReadyText);
                           },
                           false});
    return screens;
}

}  // namespace

int main(int argc, char** argv) {
    const char* const usage = "usage: screens_driver PROGRAM DIR walk|start-up [KEYS]\n";
    if (argc < 3) {
        std::fprintf(stderr, "%s", usage);
        return 2;
    }
    const std::string directory = argv[2];
    if (std::freopen((directory + "/messages").c_str(), "w", stderr) != nullptr) std::setvbuf(stderr, nullptr, _IONBF, 0);
    const auto finish = [&](int result) { return WriteText(directory + "/result", std::to_string(result)) ? result : 2; };
    const std::vector<Screen> screens = ScreensOf(argc - 3, argv + 3);
    std::string names;
    for (size_t at = 0; at < screens.size(); ++at) names += (at > 0 ? "\n" : "") + PictureName(static_cast<int>(at) + 1, screens[at]);
    if (screens.empty()) std::fprintf(stderr, "%s", usage);
    Program program = {};
    if (screens.empty() || !WriteText(directory + "/screens", names) || !StartProgram(argv[1], program.process))
        return finish(2);
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
        walked = Walk(program, screens, directory);
    }

    // A box left up is dismissed so that the close request reaches the loop.
    const HWND main = program.main;
    DWORD code = 1;
    if (main != nullptr) {
        const HWND box = TopLevelWindowOf(program.process.dwProcessId, MessageBoxClass, true);
        if (box != nullptr) PostMessageA(box, WM_COMMAND, IDOK, 0);
        if (program.remote != nullptr) VirtualFreeEx(program.process.hProcess, program.remote, 0, MEM_RELEASE);
        code = CloseProgram(main, program.process);
    } else {
        TerminateProcess(program.process.hProcess, 1);
        CloseHandle(program.process.hThread);
        CloseHandle(program.process.hProcess);
    }
    WriteText(directory + "/exit-code", std::to_string(code));
    if (code != 0) std::fprintf(stderr, "screens_driver: the program ended with exit code %lu\n", code);
    return finish(walked && code == 0 ? 0 : 1);
}
