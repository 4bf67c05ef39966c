#pragma once
#include <windows.h>

// The tab pages of the ViewTabs. Each page is a borderless, initially hidden container, a child of
// the tab control, covering the tab control's display area while its page is on show. A container
// draws nothing of its own, so the tab control's page background shows through it, and hands
// every other message to the main window procedure, so the controls on a page report as if they
// stood on the main window.

// Lets the page containers know when the tab control has painted their background already; called
// once, as the tab control is made, before its first tab.
void WatchTabPainting(HWND tabs);

// Inserts tab `tab` with its caption and a new container as the tab's item data, then shows the
// current page again. Returns the container.
HWND AddPage(HWND tabs, int tab, const char* caption);

// The container of a tab (the tab's item data), or null.
HWND PageContainer(int tab);
int CurrentPage();

// Hides and disables the current page's container, makes `tab` current, then places, enables and
// shows its container.
void ShowPage(int tab);

// The two halves of a change of page made by the user: the page left is hidden and disabled
// (the tab control is about to change its selection), then the new current page is placed, enabled
// and shown.
void LeaveCurrentPage();
void EnterCurrentPage();
