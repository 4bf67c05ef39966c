#include "ui/startup.h"

#include <commctrl.h>
#include <objbase.h>

#include "catalogue/load_catalogue.h"
#include "ui/control_creation.h"
#include "ui/main_window.h"

void PrepareUserInterfaceThread(HINSTANCE instance) {
    InitCommonControls();
    INITCOMMONCONTROLSEX classes = {};
    classes.dwSize = sizeof classes;
    classes.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&classes);
    // The WMI queries rely on this apartment; its result is not needed and it is never left.
    CoInitialize(nullptr);
    LoadStockResources(instance);
}

bool StartUp(HINSTANCE instance) {
    PrepareUserInterfaceThread(instance);
    if (!CreateMainWindow()) return false;
    CreateControls();
    LoadCatalogue();
    return true;
}

void ShutDown() { DestroyMainWindow(); }
