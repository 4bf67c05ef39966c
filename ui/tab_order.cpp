#include "ui/tab_order.h"

int NextTabStop(const std::vector<bool>& isTabStop, int focused, bool forward) {
    const int count = static_cast<int>(isTabStop.size());
    const bool noneFocused = focused < 0 || focused >= count;
    // One full round at most; with a focused candidate the round ends on the candidate itself, so a
    // lone tab stop keeps the focus.
    for (int step = 1; step <= count; ++step) {
        int index;
        if (noneFocused)
            index = forward ? step - 1 : count - step;
        else
            index = forward ? (focused + step) % count : (focused - step + count) % count;
        if (isTabStop[index]) return index;
    }
    return -1;
}
