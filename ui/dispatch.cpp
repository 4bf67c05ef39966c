#include "ui/dispatch.h"

#include <new>
#include <string>

#include "query/run_query.h"
#include "ui/controls.h"

namespace {

std::string SelectedText(int tree) { return TreeItemText(tree, SelectedTreeItem(tree)); }

// Byte for byte on the first five bytes, whole: a shorter text never matches. Class items pass,
// headings are held back.
bool BeginsWithWin32(const std::string& text) { return text.compare(0, 5, "Win32") == 0; }

void RunQueryFor(int control) {
    switch (control) {
    case HierarchyTree: {
        const std::string text = SelectedText(HierarchyTree);
        if (BeginsWithWin32(text)) RunQuery(text);
        return;
    }
    case AlphabeticalTree:
        RunQuery(SelectedText(AlphabeticalTree));
        return;
    case ExecuteButton:
        RunQuery(QueryFieldText());
        return;
    default:
        return;
    }
}

}  // namespace

void DispatchEvent(const Event& event) {
    // RunQuery keeps its own failures; reading the query's text may find no memory left, and then
    // only the box comes up, as the loop must go on.
    try {
        RunQueryFor(event.control);
    } catch (const std::bad_alloc&) {
        ShowNotEnoughMemory();
    }
}
