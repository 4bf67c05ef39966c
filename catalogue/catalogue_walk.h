#pragma once
#include <cstddef>
#include <string>
#include <vector>

// One line of the HierarchyTree: what the walk makes of a catalogue entry.
struct HierarchyItem {
    std::string text;  // display text: a heading loses its "+ " or "++"
    int level;         // 0, 1 or 2
    bool heading;
};

// Both views of the catalogue, before they reach the trees.
struct CatalogueViews {
    std::vector<HierarchyItem> hierarchy;  // every entry before the terminator, in table order
    std::vector<std::string> classNames;   // every class entry, duplicates included
};

// Walks the entries in order until "-1" or the end of the array, whichever comes first.
CatalogueViews WalkCatalogue(const char* const* entries, std::size_t count);

// Byte order: each byte unsigned, a prefix before the longer name, no case folding, stable.
bool ByteOrderLess(const std::string& a, const std::string& b);
void SortClassNames(std::vector<std::string>& names);
