#include "catalogue/load_catalogue.h"

#include "catalogue/catalogue_walk.h"
#include "catalogue/class_catalogue.h"
#include "ui/controls.h"

void LoadCatalogue() {
    CatalogueViews views = WalkCatalogue(ClassCatalogue, ClassCatalogueSize);
    for (const HierarchyItem& item : views.hierarchy) {
        AppendTreeItem(HierarchyTree, item.text, item.level);
        if (item.heading) SetTreeItemColour(HierarchyTree, TreeItemCount(HierarchyTree) - 1, HeadingColour);
    }
    SortClassNames(views.classNames);
    for (const std::string& name : views.classNames) AppendTreeItem(AlphabeticalTree, name, 0);
}
