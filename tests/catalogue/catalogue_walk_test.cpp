#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "catalogue/catalogue_walk.h"
#include "catalogue/class_catalogue.h"

namespace {

std::vector<std::string> Texts(const CatalogueViews& views) {
    std::vector<std::string> texts;
    texts.reserve(views.hierarchy.size());
    for (const HierarchyItem& item : views.hierarchy) texts.push_back(item.text);
    return texts;
}

CatalogueViews WalkTable() { return WalkCatalogue(ClassCatalogue, ClassCatalogueSize); }

std::vector<std::string> SortedNames() {
    std::vector<std::string> names = WalkTable().classNames;
    SortClassNames(names);
    return names;
}

}  // namespace

// A 64-bit FNV-1a digest over every entry and its terminating NUL pins all 483 strings byte for
// byte; the structural tests below say what is wrong when it fails.
TEST(ClassCatalogue, EveryByteOfTheTable) {
    std::uint64_t digest = 0xcbf29ce484222325ULL;
    for (const char* entry : ClassCatalogue) {
        for (std::size_t i = 0; i <= std::strlen(entry); ++i) {
            digest ^= static_cast<unsigned char>(entry[i]);
            digest *= 0x100000001b3ULL;
        }
    }
    EXPECT_EQ(digest, 0xcec9b39dc7f9cd20ULL);
    EXPECT_STREQ(ClassCatalogue[ClassCatalogueSize - 1], "-1");
    EXPECT_STREQ(ClassCatalogue[0], "+ Computer System Hardware Classes");
}

TEST(ClassCatalogue, KindsAndLengthsOfEntries) {
    int categories = 0, subcategories = 0, classes = 0;
    std::size_t longest = 0;
    for (int i = 0; i < ClassCatalogueSize - 1; ++i) {
        const std::string entry = ClassCatalogue[i];
        longest = std::max(longest, entry.size());
        EXPECT_NE(entry, "-1") << "terminator before the end, at " << i;
        for (char c : entry) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << entry;
        if (entry.compare(0, 2, "++") == 0) {
            ++subcategories;
        } else if (entry.compare(0, 2, "+ ") == 0) {
            ++categories;
        } else {
            ++classes;
            EXPECT_EQ(entry.compare(0, 6, "Win32_"), 0) << entry;
        }
    }
    EXPECT_EQ(categories, 6);
    EXPECT_EQ(subcategories, 34);
    EXPECT_EQ(classes, 442);
    EXPECT_EQ(longest, 66u);
}

TEST(CatalogueWalk, HierarchyItemsCountsAndLevels) {
    const CatalogueViews views = WalkTable();
    ASSERT_EQ(views.hierarchy.size(), 482u);
    EXPECT_EQ(views.classNames.size(), 442u);

    int headings = 0, classesAtLevel1 = 0, classesAtLevel2 = 0;
    for (std::size_t i = 0; i < views.hierarchy.size(); ++i) {
        const HierarchyItem& item = views.hierarchy[i];
        EXPECT_NE(item.text, "-1");
        if (item.heading) {
            ++headings;
            EXPECT_NE(item.text.compare(0, 5, "Win32"), 0) << item.text;
            EXPECT_NE(item.text[0], '+') << item.text;
            EXPECT_NE(item.text[0], ' ') << item.text;
        } else {
            EXPECT_EQ(item.text.compare(0, 6, "Win32_"), 0) << item.text;
            classesAtLevel1 += item.level == 1;
            classesAtLevel2 += item.level == 2;
        }
        // The table never climbs more than one level from one entry to the next.
        const int previousLevel = i == 0 ? -1 : views.hierarchy[i - 1].level;
        EXPECT_LE(item.level, previousLevel + 1) << i << " " << item.text;
    }
    EXPECT_EQ(headings, 40);
    EXPECT_EQ(classesAtLevel1, 63);
    EXPECT_EQ(classesAtLevel2, 379);
}

TEST(CatalogueWalk, FirstLastAndHeadingTexts) {
    const CatalogueViews views = WalkTable();
    const std::vector<HierarchyItem>& h = views.hierarchy;
    EXPECT_EQ(h[0].text, "Computer System Hardware Classes");
    EXPECT_EQ(h[0].level, 0);
    EXPECT_EQ(h[1].text, "Cooling Device");
    EXPECT_EQ(h[1].level, 1);
    EXPECT_TRUE(h[1].heading);
    EXPECT_EQ(h[2].text, "Win32_Fan");
    EXPECT_EQ(h[2].level, 2);
    EXPECT_FALSE(h[2].heading);
    EXPECT_EQ(h.back().text, "Win32_SecurityDescriptor");
    EXPECT_EQ(h.back().level, 1);
    EXPECT_EQ(h[h.size() - 2].text, "Security Descriptor Helper");

    const std::vector<std::string> texts = Texts(views);
    for (const char* shown : {"Operating System", "COM", "Motherboard, Controller, and Port"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), shown), texts.end()) << shown;

    std::vector<std::string> topLevel;
    for (const HierarchyItem& item : h)
        if (item.level == 0) topLevel.push_back(item.text);
    EXPECT_EQ(topLevel, (std::vector<std::string>{"Computer System Hardware Classes", "Operating System",
                                                  "Installed Applications", "WMI Service Management",
                                                  "Performance Counter", "Security Descriptor Helper"}));
}

TEST(CatalogueWalk, RepeatedNamesStandUnderEachOfTheirHeadings) {
    const CatalogueViews views = WalkTable();
    auto headingsOf = [&](const std::string& name) {
        std::vector<std::string> found;
        std::string current;
        for (const HierarchyItem& item : views.hierarchy) {
            if (item.heading) current = item.text;
            else if (item.text == name) found.push_back(current);
        }
        return found;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(headingsOf("Win32_LogicalDisk"), (V{"Mass Storage", "File System"}));
    EXPECT_EQ(headingsOf("Win32_Volume"), (V{"File System", "Storage"}));
    EXPECT_EQ(headingsOf("Win32_VolumeUserQuota"), (V{"File System", "Storage"}));
    EXPECT_EQ(headingsOf("Win32_SecurityDescriptor"), (V{"Security", "Security Descriptor Helper"}));

    std::vector<std::string> names = views.classNames;
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::unique(names.begin(), names.end()) - names.begin(), 438);
}

// Entry kinds are told by their first two bytes; the terminator is the whole string "-1".
TEST(CatalogueWalk, KindsOfUnusualEntries) {
    const char* table[] = {"Win32_Top", "+",   "+x",  "",   "++", "+ ", "Win32_Under", "-1x",
                           " -1",       "++A", "B",   "+ C", "D", "-1", "never read"};
    const CatalogueViews views = WalkCatalogue(table, sizeof table / sizeof *table);
    struct Expected { const char* text; int level; bool heading; };
    const Expected expected[] = {{"Win32_Top", 0, false}, {"+", 0, false}, {"+x", 0, false}, {"", 0, false},
                                 {"", 1, true},           {"", 0, true},   {"Win32_Under", 1, false},
                                 {"-1x", 1, false},       {" -1", 1, false}, {"A", 1, true},
                                 {"B", 2, false},         {"C", 0, true},  {"D", 1, false}};
    ASSERT_EQ(views.hierarchy.size(), sizeof expected / sizeof *expected);
    for (std::size_t i = 0; i < views.hierarchy.size(); ++i) {
        EXPECT_EQ(views.hierarchy[i].text, expected[i].text) << i;
        EXPECT_EQ(views.hierarchy[i].level, expected[i].level) << i;
        EXPECT_EQ(views.hierarchy[i].heading, expected[i].heading) << i;
    }
    EXPECT_EQ(views.classNames,
              (std::vector<std::string>{"Win32_Top", "+", "+x", "", "Win32_Under", "-1x", " -1", "B", "D"}));

    const char* unterminated[] = {"+ Only", "Win32_A"};
    EXPECT_EQ(WalkCatalogue(unterminated, 2).hierarchy.size(), 2u);
}

TEST(ClassNameSort, ByteOrderNotDictionaryOrder) {
    const std::vector<std::string> names = SortedNames();
    ASSERT_EQ(names.size(), 442u);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), ByteOrderLess));
    auto at = [&](const std::string& name) {
        return std::find(names.begin(), names.end(), name) - names.begin();
    };
    EXPECT_LT(at("Win32_DMAChannel"), at("Win32_DependentService"));
    EXPECT_LT(at("Win32_PrintJob"), at("Win32_Printer"));
    EXPECT_LT(at("Win32_USBHub"), at("Win32_UninterruptiblePowerSupply"));
    EXPECT_LT(at("Win32_UTCTime"), at("Win32_UninterruptiblePowerSupply"));
    EXPECT_LT(at("Win32_PerfRawData_PSched_PSchedPipe"), at("Win32_PerfRawData_PerfDisk_LogicalDisk"));
    EXPECT_EQ(at("Win32_PerfRawData") + 1, at("Win32_PerfRawData_ASP_ActiveServerPages"));

    std::ptrdiff_t lastFormatted = -1, firstRaw = static_cast<std::ptrdiff_t>(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i].rfind("Win32_PerfFormattedData", 0) == 0) lastFormatted = static_cast<std::ptrdiff_t>(i);
        if (names[i].rfind("Win32_PerfRawData", 0) == 0) firstRaw = std::min(firstRaw, static_cast<std::ptrdiff_t>(i));
    }
    EXPECT_LT(lastFormatted, firstRaw);
}

TEST(ClassNameSort, BeginningEndAndNeighbouringDuplicates) {
    const std::vector<std::string> names = SortedNames();
    using V = std::vector<std::string>;
    EXPECT_EQ(V(names.begin(), names.begin() + 5),
              (V{"Win32_1394Controller", "Win32_1394ControllerDevice", "Win32_ACE", "Win32_Account",
                 "Win32_AccountSID"}));
    EXPECT_EQ(V(names.end() - 5, names.end()),
              (V{"Win32_VolumeUserQuota", "Win32_VolumeUserQuota", "Win32_WMIElementSetting", "Win32_WMISetting",
                 "Win32_WindowsProductActivation"}));
    const auto volume = std::find(names.begin(), names.end(), "Win32_Volume");
    ASSERT_LE(volume + 3, names.end());
    EXPECT_EQ(V(volume, volume + 3), (V{"Win32_Volume", "Win32_Volume", "Win32_VolumeChangeEvent"}));
}

TEST(ClassNameSort, BytesAreUnsignedAndPrefixesComeFirst) {
    std::vector<std::string> names = {"b", "\xE9t\xE9", "B", "_", "a", "ab", "", "9", "a"};
    SortClassNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"", "9", "B", "_", "a", "a", "ab", "b", "\xE9t\xE9"}));
    EXPECT_FALSE(ByteOrderLess("a", "a"));
    EXPECT_TRUE(ByteOrderLess(std::string("a\0", 2), std::string("a\x01", 2)));
    EXPECT_TRUE(ByteOrderLess("a", std::string("a\0", 2)));
}
