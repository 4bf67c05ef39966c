#pragma once

// Where the main window goes on the primary monitor: its outer size, no larger than the screen,
// and centred (the halves truncated toward zero).
struct WindowPlacement {
    int x;
    int y;
    int width;
    int height;
};

WindowPlacement CentreOnScreen(int outerWidth, int outerHeight, int screenWidth, int screenHeight);
