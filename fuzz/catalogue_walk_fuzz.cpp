// WalkCatalogue and SortClassNames on generated tables: entries that lean towards the prefixes
// that matter ("+ ", "++", "-1", "Win32_"), a count that may stop short of them all, then the
// hierarchy against a plain reference walk, and the sort as a byte-ordered permutation.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/catalogue_walk.h"
#include "fuzz/fuzz_check.h"

namespace {

std::string NextEntry(FuzzedDataProvider& in) {
    static const char* const prefixes[] = {"", "+ ", "++", "-1", "Win32_", "+", "-", "+ +"};
    std::string entry = prefixes[in.ConsumeIntegralInRange<std::size_t>(0, 7)];
    entry += in.ConsumeRandomLengthString(24);
    return entry.substr(0, entry.find('\0'));  // the table holds C strings
}

bool SlowByteLess(const std::string& a, const std::string& b) {
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const unsigned x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    std::vector<std::string> table;
    const std::size_t wanted = in.ConsumeIntegralInRange<std::size_t>(0, 64);
    while (table.size() < wanted && in.remaining_bytes() > 0) table.push_back(NextEntry(in));
    const std::size_t count = in.ConsumeIntegralInRange<std::size_t>(0, table.size());
    std::vector<const char*> entries;
    entries.reserve(table.size());
    for (const std::string& entry : table) entries.push_back(entry.c_str());

    const CatalogueViews views = WalkCatalogue(entries.data(), count);

    std::vector<HierarchyItem> hierarchy;
    std::vector<std::string> classNames;
    int classLevel = 0;
    for (std::size_t i = 0; i < count && table[i] != "-1"; ++i) {
        const std::string& entry = table[i];
        if (StartsWith(entry, "++")) {
            hierarchy.push_back({entry.substr(2), 1, true});
            classLevel = 2;
        } else if (StartsWith(entry, "+ ")) {
            hierarchy.push_back({entry.substr(2), 0, true});
            classLevel = 1;
        } else {
            hierarchy.push_back({entry, classLevel, false});
            classNames.push_back(entry);
        }
    }

    Check(views.hierarchy.size() == hierarchy.size(), "one item per entry before the terminator");
    Check(views.classNames == classNames, "class names in table order");
    std::size_t classes = 0;
    for (std::size_t i = 0; i < hierarchy.size(); ++i) {
        const HierarchyItem& item = views.hierarchy[i];
        Check(item.text == hierarchy[i].text, "display text");
        Check(item.level == hierarchy[i].level, "level");
        Check(item.heading == hierarchy[i].heading, "heading flag");
        Check(item.level >= 0 && item.level <= 2, "three levels");
        Check(i == 0 || item.level <= views.hierarchy[i - 1].level + 1, "at most one level deeper");
        Check(!item.heading || item.level < 2, "headings on the first two levels");
        if (!item.heading) ++classes;
    }
    Check(classes == views.classNames.size(), "every class item is a class name");

    // The sort, on the class names and a few more of any bytes.
    std::vector<std::string> names = views.classNames;
    while (names.size() < 96 && in.remaining_bytes() > 0) names.push_back(in.ConsumeRandomLengthString(8));
    std::vector<std::string> expected = names;
    std::sort(expected.begin(), expected.end(), SlowByteLess);
    SortClassNames(names);
    Check(names == expected, "sorted by bytes, the same names");
    for (std::size_t i = 0; i + 1 < names.size(); ++i) {
        Check(!ByteOrderLess(names[i + 1], names[i]), "no name before a smaller one");
        Check(!ByteOrderLess(names[i], names[i]), "no name before itself");
        Check(ByteOrderLess(names[i], names[i + 1]) == SlowByteLess(names[i], names[i + 1]), "byte order");
    }
    return 0;
}
