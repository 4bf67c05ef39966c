#pragma once

// The program's running life: hands every ControlEvent to the dispatcher and returns at the first
// WindowCloseEvent. Every other kind, message numbers included (WM_QUIT too), is passed over.
void RunEventLoop();
