#include <windows.h>

#include "ui/stand_in_loop.h"
#include "ui/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (StartUp(instance)) RunStandInLoop();
    ShutDown();
    ExitProcess(0);
}
