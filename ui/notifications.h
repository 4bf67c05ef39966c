#pragma once
#include <windows.h>

// What the controls report to the main window procedure, control by control (the controls on the
// tab pages report through their page's container), and the events they raise for the loop. Each
// returns the answer to the notification: a notification that raises an event is answered with 0,
// so the control goes on with its default behaviour.
LRESULT OnTreeNotify(int tree, NMHDR& header);
LRESULT OnResultListNotify(NMHDR& header);
LRESULT OnViewTabsNotify(NMHDR& header);
// WM_COMMAND from a control (not from an accelerator).
LRESULT OnCommand(int control, int code);

// Makes a tree raise RightDoubleClicked for a right double-click before the tree handles it: when
// the point hits an item and is not to the right of the item's text.
void SubclassTree(int tree);
