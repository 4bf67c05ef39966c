#include "catalogue/catalogue_walk.h"

#include <algorithm>
#include <cstring>

namespace {

// Compares the first two bytes whole: a shorter string never matches.
bool BeginsWith(const char* text, const char* prefix) {
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

}  // namespace

CatalogueViews WalkCatalogue(const char* const* entries, std::size_t count) {
    CatalogueViews views;
    int classLevel = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const char* entry = entries[i];
        if (std::strcmp(entry, "-1") == 0) break;
        if (BeginsWith(entry, "++")) {
            views.hierarchy.push_back({entry + 2, 1, true});
            classLevel = 2;
        } else if (BeginsWith(entry, "+ ")) {
            views.hierarchy.push_back({entry + 2, 0, true});
            classLevel = 1;
        } else {
            views.hierarchy.push_back({entry, classLevel, false});
            views.classNames.emplace_back(entry);
        }
    }
    return views;
}

bool ByteOrderLess(const std::string& a, const std::string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    const int order = std::memcmp(a.data(), b.data(), common);  // memcmp compares unsigned bytes
    if (order != 0) return order < 0;
    return a.size() < b.size();
}

void SortClassNames(std::vector<std::string>& names) {
    std::stable_sort(names.begin(), names.end(), ByteOrderLess);
}
