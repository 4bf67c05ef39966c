#include "query/run_query.h"

#include <cstdint>
#include <optional>

#include "query/conversation.h"
#include "query/number_text.h"
#include "query/statement.h"
#include "ui/controls.h"

namespace {

// Writes a separator, a coloured heading and the property rows for every object returned, and
// gives back ItemCounter: the number of objects plus one.
std::int32_t EnumerateObjects(bool showAll) {
    std::int32_t itemCounter = 0;
    for (;;) {
        ++itemCounter;
        if (!NextObject()) break;
        AppendRow("");
        AppendRow("Item #" + DecimalText(itemCounter));
        SetRowColour(RowCount() - 1, HeadingColour);
        for (const std::optional<std::string>& name : PropertyNames()) {
            if (!name) continue;
            const std::string value = ValueText(*name);
            // Without "*" the system properties stay hidden: their names begin with "__".
            if (showAll || name->compare(0, 1, "_") != 0) AppendRow(*name + "\n" + value);
        }
        ReleaseObject();
    }
    return itemCounter;
}

}  // namespace

void RunQuery(const std::string& text) {
    // The list is cleared and filled with its redraw suspended: a visible list would update its
    // scroll bars at once for the clearing too. A failure box turns the redraw back on before it
    // goes up, so the box shows over a list that repaints itself.
    SuspendRowRedraw();
    ClearRows();
    SetMainTitle("Ostrevo  -  retrieving data from " + text);
    const std::string statement = StatementFor(text);
    const bool showAll = ShowAllFor(statement);
    if (OpenConversation(statement)) {
        const std::int32_t itemCounter = EnumerateObjects(showAll);
        // The count is taken once, before any removal: a single object whose rows were all
        // hidden leaves the list empty, without the "No data" row.
        if (RowCount() > 0) {
            RemoveRow(0);  // the separator before the first heading
            if (itemCounter == 2) RemoveRow(0);  // a lone object needs no heading
        } else {
            AppendRow("\nNo data to display");
        }
    }
    ResumeRowRedraw();
    CloseConversation();
    SetMainTitle("Ostrevo");
}
