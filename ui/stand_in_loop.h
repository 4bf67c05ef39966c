#pragma once

// A plain message loop that runs until the main window is asked to close, or until a WM_CLOSE is
// posted to the thread itself. It stands in for the event loop and is replaced by it.
void RunStandInLoop();

// Called by the main window procedure on WM_CLOSE: the loop ends after the message in hand.
void RequestLoopEnd();
