#include <windows.h>

#include "ui/event_loop.h"
#include "ui/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (StartUp(instance)) RunEventLoop();
    // The window and its controls go, then the process ends with code 0 whatever happened.
    ShutDown();
    ExitProcess(0);
}
