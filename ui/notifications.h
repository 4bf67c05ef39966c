#pragma once
#include <windows.h>

// What the controls report to the main window procedure, control by control (the controls on the
// tab pages report through their page's container). Each returns the answer to the notification.
LRESULT OnTreeNotify(int tree, NMHDR& header);
LRESULT OnResultListNotify(NMHDR& header);
LRESULT OnViewTabsNotify(NMHDR& header);
LRESULT OnCommand(int control, int code, HWND sender);
