#pragma once
#include "ui/events.h"

// Turns a ControlEvent into a query run by its control alone: the HierarchyTree runs its selected
// item when that item's text begins with "Win32", the AlphabeticalTree always runs its selected
// item (the empty text when none), the ExecuteButton runs the CustomQueryField's whole text, and
// every other control runs nothing. Selection and field are read now, not when the event was
// raised; the detail is not looked at.
void DispatchEvent(const Event& event);
