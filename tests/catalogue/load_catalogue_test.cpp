#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/load_catalogue.h"
#include "tests/fakes/fake_controls.h"

namespace {

class LoadCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetFake();
        LoadCatalogue();
    }
    const FakeTree& hierarchy = Fake().hierarchy;
    const FakeTree& alphabetical = Fake().alphabetical;
};

// The most recent item appended before `index` at `level`, or -1.
int MostRecentAtLevel(const std::vector<int>& levels, int index, int level) {
    for (int i = index - 1; i >= 0; --i)
        if (levels[i] == level) return i;
    return -1;
}

}  // namespace

TEST_F(LoadCatalogueTest, HierarchyTreeHoldsEveryEntryInItsPlace) {
    ASSERT_EQ(TreeItemCount(HierarchyTree), 482);
    std::vector<int> levels;
    for (const std::string& line : Fake().log) {
        if (line.rfind("AppendTreeItem 2 ", 0) != 0) continue;
        levels.push_back(std::stoi(line.substr(line.rfind(' ') + 1)));
    }
    ASSERT_EQ(levels.size(), 482u);
    for (int i = 0; i < 482; ++i) {
        // An item at level L is the last child of the most recent item at level L - 1.
        EXPECT_EQ(hierarchy.shape.depth[i], levels[i]) << i;
        const int expectedParent = levels[i] == 0 ? -1 : MostRecentAtLevel(levels, i, levels[i] - 1);
        EXPECT_EQ(hierarchy.shape.parent[i], expectedParent) << i << " " << hierarchy.text[i];
        EXPECT_NE(hierarchy.text[i], "-1");
    }
    EXPECT_EQ(hierarchy.text[0], "Computer System Hardware Classes");
    EXPECT_EQ(hierarchy.text[481], "Win32_SecurityDescriptor");
    EXPECT_EQ(hierarchy.text[hierarchy.shape.parent[481]], "Security Descriptor Helper");
}

TEST_F(LoadCatalogueTest, HeadingsAndOnlyHeadingsAreColoured) {
    int coloured = 0;
    for (int i = 0; i < TreeItemCount(HierarchyTree); ++i) {
        const bool isClass = hierarchy.text[i].rfind("Win32_", 0) == 0;
        const auto& colour = hierarchy.colour[i];
        EXPECT_EQ(colour.has_value(), !isClass) << hierarchy.text[i];
        if (colour) {
            EXPECT_EQ(*colour, 0x900000u);
            ++coloured;
        }
    }
    EXPECT_EQ(coloured, 40);
    for (const auto& colour : alphabetical.colour) EXPECT_FALSE(colour.has_value());
}

TEST_F(LoadCatalogueTest, TopLevelCategoriesHoldWhatTheyShould) {
    auto childrenOf = [&](int parent) {
        std::vector<int> children;
        for (int i = 0; i < TreeItemCount(HierarchyTree); ++i)
            if (hierarchy.shape.parent[i] == parent) children.push_back(i);
        return children;
    };
    const std::vector<int> top = childrenOf(-1);
    ASSERT_EQ(top.size(), 6u);
    for (int category : top) {
        const std::string& name = hierarchy.text[category];
        const bool holdsClasses = name == "Installed Applications" || name == "Security Descriptor Helper";
        const std::vector<int> children = childrenOf(category);
        EXPECT_FALSE(children.empty()) << name;
        for (int child : children)
            EXPECT_EQ(hierarchy.text[child].rfind("Win32_", 0) == 0, holdsClasses) << name << ": " << hierarchy.text[child];
    }
}

TEST_F(LoadCatalogueTest, AlphabeticalTreeIsFlatSortedAndFilledAfterTheHierarchy) {
    ASSERT_EQ(TreeItemCount(AlphabeticalTree), 442);
    for (int i = 0; i < 442; ++i) EXPECT_EQ(alphabetical.shape.parent[i], -1);
    EXPECT_EQ(alphabetical.text.front(), "Win32_1394Controller");
    EXPECT_EQ(alphabetical.text.back(), "Win32_WindowsProductActivation");

    // The hierarchy, colours included, is complete before the first alphabetical append.
    const std::vector<std::string>& log = Fake().log;
    std::size_t firstAlphabetical = log.size(), lastHierarchy = 0;
    for (std::size_t i = 0; i < log.size(); ++i) {
        if (log[i].rfind("AppendTreeItem 3 ", 0) == 0 && firstAlphabetical == log.size()) firstAlphabetical = i;
        if (log[i].rfind("AppendTreeItem 2 ", 0) == 0 || log[i].rfind("SetTreeItemColour 2 ", 0) == 0)
            lastHierarchy = i;
    }
    EXPECT_LT(lastHierarchy, firstAlphabetical);

    // Each heading's colour is set right after it is appended, at the index it just received.
    for (std::size_t i = 1; i < log.size(); ++i) {
        if (log[i].rfind("SetTreeItemColour", 0) != 0) continue;
        EXPECT_EQ(log[i - 1].rfind("AppendTreeItem 2 ", 0), 0u) << log[i];
    }
}

TEST_F(LoadCatalogueTest, EachTreeIsFilledWithItsRedrawSuspended) {
    int suspended = 0;  // the tree whose redraw is suspended, or 0
    int suspensions = 0;
    for (const std::string& line : Fake().log) {
        const int tree = line.back() - '0';
        if (line.rfind("SuspendTreeRedraw ", 0) == 0) {
            EXPECT_EQ(suspended, 0) << line;
            suspended = tree;
            ++suspensions;
        } else if (line.rfind("ResumeTreeRedraw ", 0) == 0) {
            EXPECT_EQ(suspended, tree) << line;
            suspended = 0;
        } else if (line.rfind("AppendTreeItem ", 0) == 0 || line.rfind("SetTreeItemColour ", 0) == 0) {
            EXPECT_EQ(suspended, line[line.find(' ') + 1] - '0') << line;
        }
    }
    EXPECT_EQ(suspended, 0);
    EXPECT_EQ(suspensions, 2);
}
