#include "ui/dispatch.h"

#include <string>

#include "query/run_query.h"
#include "ui/controls.h"

namespace {

std::string SelectedText(int tree) { return TreeItemText(tree, SelectedTreeItem(tree)); }

// Byte for byte on the first five bytes, whole: a shorter text never matches. Class items pass,
// headings are held back.
bool BeginsWithWin32(const std::string& text) { return text.compare(0, 5, "Win32") == 0; }

}  // namespace

void DispatchEvent(const Event& event) {
    switch (event.control) {
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
