#include "catalogue/load_catalogue.h"

#include "catalogue/catalogue_walk.h"
#include "catalogue/class_catalogue.h"
#include "ui/controls.h"

// Each tree is filled with its redraw suspended: its scroll bars are worked out once, not per item.
void LoadCatalogue() {
    CatalogueViews views = WalkCatalogue(ClassCatalogue, ClassCatalogueSize);
    SuspendTreeRedraw(HierarchyTree);
    for (const HierarchyItem& item : views.hierarchy) {
        AppendTreeItem(HierarchyTree, item.text, item.level);
        if (item.heading) SetTreeItemColour(HierarchyTree, TreeItemCount(HierarchyTree) - 1, HeadingColour);
    }
    ResumeTreeRedraw(HierarchyTree);
    SortClassNames(views.classNames);
    SuspendTreeRedraw(AlphabeticalTree);
    for (const std::string& name : views.classNames) AppendTreeItem(AlphabeticalTree, name, 0);
    ResumeTreeRedraw(AlphabeticalTree);
}
