#include "query/run_query.h"

#include <cstdint>
#include <new>
#include <optional>

#include "query/conversation.h"
#include "query/number_text.h"
#include "query/statement.h"
#include "ui/controls.h"

namespace {

// Made at start-up: when it is shown, memory has just run out.
const std::string NotEnoughMemory = "not enough memory to show every object";

// A row the list refuses is one that memory no longer holds, like an allocation that fails.
void Append(const std::string& row) {
    if (!AppendRow(row)) throw std::bad_alloc();
}

// Writes a separator, a coloured heading and the property rows for every object returned, and
// gives back ItemCounter: the number of objects plus one.
std::int32_t EnumerateObjects(bool showAll) {
    std::int32_t itemCounter = 0;
    for (;;) {
        ++itemCounter;
        if (!NextObject()) break;
        Append("");
        Append("Item #" + DecimalText(itemCounter));
        SetRowColour(RowCount() - 1, HeadingColour);
        for (const std::optional<std::string>& name : PropertyNames()) {
            if (!name) continue;
            const std::string value = ValueText(*name);
            // Without "*" the system properties stay hidden: their names begin with "__".
            if (showAll || name->compare(0, 1, "_") != 0) Append(*name + "\n" + value);
        }
        ReleaseObject();
    }
    return itemCounter;
}

// The count is taken once, before any removal: a single object whose rows were all hidden leaves
// the list empty, without the "No data" row.
void PostProcess(std::int32_t itemCounter) {
    if (RowCount() > 0) {
        RemoveRow(0);  // the separator before the first heading
        if (itemCounter == 2) RemoveRow(0);  // a lone object needs no heading
    } else {
        Append("\nNo data to display");
    }
}

}  // namespace

void RunQuery(const std::string& text) {
    // The list is cleared and filled with its redraw suspended: a visible list would update its
    // scroll bars at once for the clearing too. A failure box turns the redraw back on before it
    // goes up, so the box shows over a list that repaints itself.
    SuspendRowRedraw();
    ClearRows();
    bool cutShort = false;
    try {
        SetMainTitle("Ostrevo  -  retrieving data from " + text);
        const std::string statement = StatementFor(text);
        if (OpenConversation(statement)) PostProcess(EnumerateObjects(ShowAllFor(statement)));
    } catch (const std::bad_alloc&) {
        // Out of memory, in the program or in the list: the enumeration ends there and what it
        // showed stays, less its leading separator; the heading stays, as more objects may have come.
        cutShort = true;
        RemoveRow(0);
    }
    ResumeRowRedraw();
    CloseConversation();
    SetMainTitle("Ostrevo");
    if (cutShort) ShowNotEnoughMemory();
}

void ShowNotEnoughMemory() { ShowMessage("ERROR", NotEnoughMemory); }
