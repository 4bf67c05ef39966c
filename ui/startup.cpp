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
    // A single-threaded apartment; its result is not needed. It lasts until the first query: that
    // query's CoInitializeEx answers RPC_E_CHANGED_MODE and takes no reference, so the query's
    // CoUninitialize leaves this apartment. Every later query enters and leaves a multithreaded one.
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
