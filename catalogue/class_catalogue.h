#pragma once

// 482 headings and class names, then the terminator "-1". Constant data, read once at start-up.
constexpr int ClassCatalogueSize = 483;
extern const char* const ClassCatalogue[ClassCatalogueSize];
