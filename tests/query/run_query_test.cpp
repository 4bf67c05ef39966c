#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "query/run_query.h"
#include "tests/fakes/fake_controls.h"
#include "tests/query/fake_conversation.h"

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

Rows Shown() {
    Rows rows;
    for (const FakeRow& row : Fake().rows) rows.emplace_back(row.property, row.value);
    return rows;
}

std::vector<int> ColouredRows() {
    std::vector<int> coloured;
    for (int i = 0; i < RowCount(); ++i)
        if (Fake().rows[i].colour) coloured.push_back(i);
    return coloured;
}

int CountInLog(const std::string& line) {
    return static_cast<int>(std::count(Fake().log.begin(), Fake().log.end(), line));
}

// The position of the first log line equal to `line`, or -1.
int FirstInLog(const std::string& line) {
    const auto found = std::find(Fake().log.begin(), Fake().log.end(), line);
    return found == Fake().log.end() ? -1 : static_cast<int>(found - Fake().log.begin());
}

// Redraw is suspended before the list is cleared, resumed after the last change, and never left
// suspended.
void ExpectRedrawBalancedAroundRows() {
    const std::vector<std::string>& log = Fake().log;
    int depth = 0;
    for (const std::string& line : log) {
        if (line == "SuspendRowRedraw") ++depth;
        if (line == "ResumeRowRedraw") --depth;
        EXPECT_GE(depth, 0);
        EXPECT_LE(depth, 1);
        if (line == "ClearRows" || line.rfind("AppendRow", 0) == 0 || line.rfind("RemoveRow", 0) == 0 ||
            line.rfind("SetRowColour", 0) == 0) {
            EXPECT_EQ(depth, 1) << line;
        }
    }
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(Fake().redrawSuspensions, 0);
}

class RunQueryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetFake();
        ResetFakeWmi();
        AppendRow("\nPlease select a class to access its data");  // what the list held before
        Fake().log.clear();
    }
};

TEST_F(RunQueryTest, NoObjectShowsNoDataInTheValueColumn) {
    RunQuery("Win32_Fan");
    EXPECT_EQ(Shown(), (Rows{{"", "No data to display"}}));
    EXPECT_TRUE(ColouredRows().empty());
    EXPECT_EQ(FakeWmi().statements, std::vector<std::string>{"SELECT * FROM Win32_Fan"});
    EXPECT_EQ(CountInLog("NextObject"), 1);
    ExpectRedrawBalancedAroundRows();
}

TEST_F(RunQueryTest, OneObjectShowsOnlyItsPropertyRows) {
    FakeWmi().objects = {MakeObject({{"__CLASS", "Win32_BIOS"}, {"Manufacturer", "The Wine Project"}, {"Version", "1"}})};
    RunQuery("Win32_BIOS");
    EXPECT_EQ(Shown(), (Rows{{"__CLASS", "Win32_BIOS"}, {"Manufacturer", "The Wine Project"}, {"Version", "1"}}));
    EXPECT_TRUE(ColouredRows().empty());
    // ItemCounter ends at the number of objects plus one: one request per object and a last one.
    EXPECT_EQ(CountInLog("NextObject"), 2);
    EXPECT_EQ(CountInLog("ReleaseObject"), 1);
    EXPECT_EQ(CountInLog("RemoveRow 0"), 2);
    ExpectRedrawBalancedAroundRows();
}

TEST_F(RunQueryTest, TwoObjectsKeepTheirColouredHeadingsAndLoseOnlyTheFirstSeparator) {
    FakeWmi().objects = {MakeObject({{"Name", "a"}, {"Handle", "4"}}), MakeObject({{"Name", "b"}, {"Handle", "8"}})};
    RunQuery("Select Name, Handle from Win32_Process");
    EXPECT_EQ(Shown(), (Rows{{"Item #1", ""}, {"Name", "a"}, {"Handle", "4"}, {"", ""}, {"Item #2", ""}, {"Name", "b"},
                             {"Handle", "8"}}));
    EXPECT_EQ(ColouredRows(), (std::vector<int>{0, 4}));
    for (int row : ColouredRows()) EXPECT_EQ(Fake().rows[row].colour, HeadingColour);
    // Each heading is coloured right after it is appended, at its index then.
    EXPECT_EQ(CountInLog("SetRowColour 1"), 1);
    EXPECT_EQ(CountInLog("SetRowColour 5"), 1);
    EXPECT_EQ(CountInLog("RemoveRow 0"), 1);
    EXPECT_EQ(CountInLog("NextObject"), 3);
    ExpectRedrawBalancedAroundRows();
}

TEST_F(RunQueryTest, SystemPropertiesAreHiddenWithoutAStar) {
    FakeWmi().objects = {
        MakeObject({{"__GENUS", "2"}, {"_single", "x"}, {"Name", "a.exe"}, {"a_b", "y"}, {"", "empty name"}})};
    RunQuery("Select Name from Win32_Process");
    EXPECT_EQ(Shown(), (Rows{{"Name", "a.exe"}, {"a_b", "y"}, {"", "empty name"}}));
    // Hidden properties are still read, like every listed one.
    EXPECT_EQ(CountInLog("ValueText __GENUS"), 1);
}

TEST_F(RunQueryTest, OneObjectWithEveryPropertyHiddenLeavesTheListEmpty) {
    FakeWmi().objects = {MakeObject({{"__GENUS", "2"}, {"__CLASS", "Win32_Process"}})};
    RunQuery("Select Name from Win32_Process");
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(CountInLog("AppendRow \nNo data to display"), 0);
    ExpectRedrawBalancedAroundRows();
}

TEST_F(RunQueryTest, TwoObjectsWithEveryPropertyHiddenKeepTheirHeadings) {
    FakeWmi().objects = {MakeObject({{"__GENUS", "2"}}), MakeObject({{"__GENUS", "2"}})};
    RunQuery("Select Name from Win32_Process");
    EXPECT_EQ(Shown(), (Rows{{"Item #1", ""}, {"", ""}, {"Item #2", ""}}));
}

TEST_F(RunQueryTest, AStarAnywhereShowsSystemProperties) {
    const FakeObject object = MakeObject({{"__GENUS", "2"}, {"Name", "a.exe"}});
    for (const std::string text : {"select * from Win32_Process", "Select Name from Win32_Process where Name like '*'",
                                   "win32_process", "WIN32_PROCESS"}) {
        SetUp();
        FakeWmi().objects = {object};
        RunQuery(text);
        EXPECT_EQ(Shown(), (Rows{{"__GENUS", "2"}, {"Name", "a.exe"}})) << text;
    }
}

TEST_F(RunQueryTest, StatementsFollowThePrefixRule) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Win32_Fan", "SELECT * FROM Win32_Fan"},
        {"WIN32_FAN", "SELECT * FROM WIN32_FAN"},
        {"win32_fan", "SELECT * FROM win32_fan"},
        {" Win32_BIOS", " Win32_BIOS"},
        {"SELECT Caption FROM Win32_OperatingSystem", "SELECT Caption FROM Win32_OperatingSystem"},
        {"Win32", "Win32"},
        {"", ""},
    };
    for (const auto& c : cases) RunQuery(c.first);
    std::vector<std::string> expected;
    expected.reserve(cases.size());
    for (const auto& c : cases) expected.push_back(c.second);
    EXPECT_EQ(FakeWmi().statements, expected);
}

TEST_F(RunQueryTest, ElementsWithoutANameAreSkipped) {
    FakeObject object;
    object.names = {std::nullopt, std::string("Name"), std::nullopt, std::string("Version"), std::nullopt};
    object.values = {{"Name", "n"}, {"Version", "v"}};
    FakeWmi().objects = {object};
    RunQuery("Win32_BIOS");
    EXPECT_EQ(Shown(), (Rows{{"Name", "n"}, {"Version", "v"}}));
    // Only present names are asked for a value.
    EXPECT_EQ(static_cast<int>(std::count_if(Fake().log.begin(), Fake().log.end(),
                                             [](const std::string& l) { return l.rfind("ValueText", 0) == 0; })),
              2);
}

TEST_F(RunQueryTest, AValueWithALineFeedShowsUpToIt) {
    FakeWmi().objects = {MakeObject({{"Description", "first line\nsecond line"}, {"Name", "n"}})};
    RunQuery("Win32_BIOS");
    EXPECT_EQ(Shown(), (Rows{{"Description", "first line"}, {"Name", "n"}}));
    EXPECT_EQ(CountInLog("AppendRow Description\nfirst line\nsecond line"), 1);
}

TEST_F(RunQueryTest, AFailedOpeningWritesNoRowsButStillCleansUp) {
    FakeWmi().failure = std::make_pair(std::string("ERROR"), std::string("unable to call IWbemServices::ExecQuery"));
    FakeWmi().objects = {MakeObject({{"Name", "never read"}})};
    RunQuery("garbage statement");
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(Fake().messages, (std::vector<std::pair<std::string, std::string>>{
                                   {"ERROR", "unable to call IWbemServices::ExecQuery"}}));
    EXPECT_EQ(CountInLog("NextObject"), 0);
    EXPECT_EQ(CountInLog("CloseConversation"), 1);
    EXPECT_EQ(Fake().title, "Ostrevo");
    ExpectRedrawBalancedAroundRows();
    // The list was cleared before the box went up.
    EXPECT_LT(FirstInLog("ClearRows"), FirstInLog("ShowMessage ERROR unable to call IWbemServices::ExecQuery"));
}

TEST_F(RunQueryTest, TitleAndConversationInOrder) {
    FakeWmi().objects = {MakeObject({{"Name", "n"}})};
    RunQuery("Win32_Fan");
    EXPECT_EQ(Fake().titles,
              (std::vector<std::string>{"Ostrevo  -  retrieving data from Win32_Fan", "Ostrevo"}));
    EXPECT_EQ(Fake().log, (std::vector<std::string>{
                              "SuspendRowRedraw",
                              "ClearRows",
                              "SetMainTitle Ostrevo  -  retrieving data from Win32_Fan",
                              "OpenConversation SELECT * FROM Win32_Fan",
                              "NextObject",
                              "AppendRow ",
                              "AppendRow Item #1",
                              "SetRowColour 1",
                              "PropertyNames",
                              "ValueText Name",
                              "AppendRow Name\nn",
                              "ReleaseObject",
                              "NextObject",
                              "RemoveRow 0",
                              "RemoveRow 0",
                              "ResumeRowRedraw",
                              "CloseConversation",
                              "SetMainTitle Ostrevo",
                          }));
}

TEST_F(RunQueryTest, TheTitleHoldsTheTextAsReceived) {
    RunQuery(" select  *  from x ");
    EXPECT_EQ(Fake().titles.front(), "Ostrevo  -  retrieving data from  select  *  from x ");
    RunQuery("");
    EXPECT_EQ(Fake().titles[2], "Ostrevo  -  retrieving data from ");
    EXPECT_EQ(Fake().title, "Ostrevo");
}

TEST_F(RunQueryTest, EachQueryStartsFromAnEmptyList) {
    FakeWmi().objects = {MakeObject({{"Name", "a"}}), MakeObject({{"Name", "b"}})};
    RunQuery("Select Name from Win32_Process");
    FakeWmi().objects = {MakeObject({{"Name", "c"}})};
    RunQuery("Select Name from Win32_Process");
    EXPECT_EQ(Shown(), (Rows{{"Name", "c"}}));
    EXPECT_TRUE(ColouredRows().empty());
}

}  // namespace
