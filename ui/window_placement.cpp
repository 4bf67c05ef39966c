#include "ui/window_placement.h"

WindowPlacement CentreOnScreen(int outerWidth, int outerHeight, int screenWidth, int screenHeight) {
    const int width = outerWidth > screenWidth ? screenWidth : outerWidth;
    const int height = outerHeight > screenHeight ? screenHeight : outerHeight;
    // C++ integer division truncates toward zero, as the placement wants even for odd margins.
    return WindowPlacement{(screenWidth - width) / 2, (screenHeight - height) / 2, width, height};
}
