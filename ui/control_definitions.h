#pragma once
// What the seven controls are made of: class, place, styles and first text, the ResultList's
// columns and the tab captions. Data only; start-up makes the controls from it (and the benchmark's
// window built with the platform alone makes the same ones).
#include <windows.h>
#include <commctrl.h>

#include "ui/controls.h"

struct ControlDefinition {
    int number;
    const char* className;
    int x, y, width, height;
    DWORD style;
    DWORD extendedStyle;
    const char* text;
};

// The lines of the Custom page's hint, joined by lone carriage returns.
inline constexpr char CustomHintLines[] =
    "Please enter the WMI class you want to execute.\r"
    "\r"
    "For example:\r"
    "Win32_OperatingSystem\r"
    "Or\r"
    "win32_operatingsystem\r"
    "(the name that you write is case insensitive.)\r"
    "Or\r"
    "Select * from Win32_OperatingSystem\r"
    "Or\r"
    "Select Caption, Name from Win32_OperatingSystem";

// Indexed by control number. The trees stand on their pages, the hint, field and button on the
// Custom page, the list and the tabs on the main window.
inline constexpr ControlDefinition ControlDefinitions[] = {
    {ResultList, WC_LISTVIEWA, 310, 10, 480, 480,
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHAREIMAGELISTS, WS_EX_CLIENTEDGE, nullptr},
    {ViewTabs, WC_TABCONTROLA, 10, 10, 280, 480, WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP, WS_EX_TRANSPARENT,
     nullptr},
    {HierarchyTree, WC_TREEVIEWA, 6, 10, 260, 437,
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, WS_EX_CLIENTEDGE, nullptr},
    {AlphabeticalTree, WC_TREEVIEWA, 6, 10, 260, 437,
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, WS_EX_CLIENTEDGE, nullptr},
    {CustomHint, "Static", 10, 10, 260, 160, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT, 0, CustomHintLines},
    {CustomQueryField, "Edit", 6, 160, 260, 25, WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL,
     WS_EX_CLIENTEDGE, ""},
    {ExecuteButton, "Button", 6, 190, 60, 30, WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON, 0,
     "Execute"},
};

struct ListColumn {
    const char* header;
    int width;
};
inline constexpr ListColumn ResultListColumns[] = {{"Property", 200}, {"Value", 400}};

inline constexpr const char* PageCaptions[] = {"Hierarchical Order", "Alphabetical Order", "Custom"};

// A page container: a borderless static, hidden and of no size until its page is shown.
inline constexpr DWORD PageContainerStyle = WS_CHILD | SS_NOTIFY;
