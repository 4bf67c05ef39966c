// RunQuery against Wine's real WMI, with the controls faked so that no window or box is needed.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include <windows.h>

#include "query/run_query.h"
#include "tests/fakes/fake_controls.h"
#include "tests/query/wmic_client.h"

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;
using Messages = std::vector<std::pair<std::string, std::string>>;

// The program enters a single-threaded apartment at start-up, before any query.
class StartUpApartment : public ::testing::Environment {
public:
    void SetUp() override { CoInitialize(nullptr); }
};
const ::testing::Environment* const startUp = ::testing::AddGlobalTestEnvironment(new StartUpApartment);

Rows Shown() {
    Rows rows;
    for (const FakeRow& row : Fake().rows) rows.emplace_back(row.property, row.value);
    return rows;
}

std::map<std::string, std::string> AsMap(const Rows& rows) {
    std::map<std::string, std::string> map;
    for (const auto& row : rows) map[row.first] = row.second;
    return map;
}

std::string ThisProgramsName() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string full = path;
    return full.substr(full.find_last_of("\\/") + 1);
}

class WmiQueryTest : public ::testing::Test {
protected:
    void SetUp() override { ResetFake(); }

    void ExpectEndedCleanly() {
        EXPECT_EQ(Fake().title, "Ostrevo");
        EXPECT_EQ(Fake().redrawSuspensions, 0);
    }
};

TEST_F(WmiQueryTest, BiosShowsEveryPropertyWithTheValuesOfAnIndependentClient) {
    RunQuery("Win32_BIOS");
    const Rows rows = Shown();
    EXPECT_TRUE(Fake().messages.empty());
    ExpectEndedCleanly();
    ASSERT_GE(rows.size(), 10u);
    // One object: no separator, no heading, nothing coloured.
    for (const FakeRow& row : Fake().rows) {
        EXPECT_FALSE(row.colour.has_value()) << row.property;
        EXPECT_NE(row.property.rfind("Item #", 0), 0u) << row.property;
        EXPECT_FALSE(row.property.empty());
    }
    const std::map<std::string, std::string> values = AsMap(rows);
    EXPECT_EQ(values.size(), rows.size());  // each property once
    // The "*" of the prefixed statement shows the system properties too.
    EXPECT_EQ(values.at("__CLASS"), "Win32_BIOS");
    EXPECT_EQ(values.count("__GENUS"), 1u);
    EXPECT_EQ(values.count("__PATH"), 1u);
    EXPECT_EQ(values.at("Manufacturer"), "The Wine Project");

    std::vector<std::string> properties;
    for (const auto& row : rows)
        if (row.first.rfind("__", 0) != 0) properties.push_back(row.first);
    const auto wmic = WmicRows("Win32_BIOS", properties);
    ASSERT_EQ(wmic.size(), 1u);
    int compared = 0;
    for (const std::string& name : properties) {
        ASSERT_EQ(wmic[0].count(name), 1u) << name;
        // Strings and 32-bit integers have a text; other types show empty here, while wmic
        // writes them its own way (TRUE, {...}).
        if (values.at(name).empty()) continue;
        EXPECT_EQ(values.at(name), wmic[0].at(name)) << name;
        ++compared;
    }
    for (const char* name : {"Manufacturer", "Version", "SerialNumber", "ReleaseDate", "SMBIOSBIOSVersion"})
        EXPECT_FALSE(values.at(name).empty()) << name;
    EXPECT_GE(compared, 5);
}

TEST_F(WmiQueryTest, NamedPropertiesComeOneBlockPerProcessWithoutSystemProperties) {
    RunQuery("Select Name from Win32_Process");
    const std::vector<FakeRow>& rows = Fake().rows;
    EXPECT_TRUE(Fake().messages.empty());
    ExpectEndedCleanly();
    // Item #1, Name, then for every further process: separator, Item #k, Name.
    ASSERT_GE(rows.size(), 5u);
    ASSERT_EQ((rows.size() - 2) % 3, 0u);
    bool foundThisProgram = false;
    for (size_t i = 0, item = 1; i < rows.size(); ++item) {
        if (item > 1) {
            EXPECT_EQ(rows[i].property, "");
            EXPECT_EQ(rows[i].value, "");
            EXPECT_FALSE(rows[i].colour.has_value());
            ++i;
        }
        EXPECT_EQ(rows[i].property, "Item #" + std::to_string(item));
        EXPECT_EQ(rows[i].colour, std::optional<Colour>(HeadingColour));
        EXPECT_EQ(rows[i + 1].property, "Name");
        EXPECT_FALSE(rows[i + 1].value.empty());
        if (rows[i + 1].value == ThisProgramsName()) foundThisProgram = true;
        i += 2;
    }
    EXPECT_TRUE(foundThisProgram) << ThisProgramsName();
}

TEST_F(WmiQueryTest, AClassWithoutInstancesShowsNoData) {
    RunQuery("Win32_NoSuchClass");
    EXPECT_EQ(Shown(), (Rows{{"", "No data to display"}}));
    EXPECT_TRUE(Fake().messages.empty());
    ExpectEndedCleanly();
}

TEST_F(WmiQueryTest, RejectedStatementsShowTheQueryMessageAndLeaveTheListEmpty) {
    for (const std::string text : {"garbage statement", "", " Win32_BIOS"}) {
        ResetFake();
        AppendRow("Left\nfrom before");
        RunQuery(text);
        EXPECT_TRUE(Fake().rows.empty()) << text;
        EXPECT_EQ(Fake().messages, (Messages{{"ERROR", "unable to call IWbemServices::ExecQuery"}})) << text;
        EXPECT_EQ(Fake().titles, (std::vector<std::string>{"Ostrevo  -  retrieving data from " + text, "Ostrevo"}));
        ExpectEndedCleanly();
    }
}

TEST_F(WmiQueryTest, QueriesInARowEachRunWhole) {
    // Every query enters and leaves COM again; the ones after the first must not be refused.
    for (int i = 0; i < 3; ++i) {
        ResetFake();
        RunQuery("Win32_BIOS");
        EXPECT_TRUE(Fake().messages.empty()) << i;
        EXPECT_EQ(AsMap(Shown())["Manufacturer"], "The Wine Project") << i;
        ResetFake();
        RunQuery("SELECT Caption, Version FROM Win32_OperatingSystem");
        EXPECT_TRUE(Fake().messages.empty()) << i;
        EXPECT_EQ(Shown().size(), 2u) << i;
    }
    ResetFake();
    RunQuery(" SELECT * FROM Win32_BIOS");
    EXPECT_TRUE(Fake().messages.empty());
    EXPECT_EQ(AsMap(Shown())["__CLASS"], "Win32_BIOS");
}

TEST_F(WmiQueryTest, AVeryLongStatementGoesWhole) {
    // Only its very end selects the object: a statement cut short would fail or find nothing.
    const std::string filler(100000, 'x');
    RunQuery("SELECT * FROM Win32_BIOS WHERE Manufacturer = '" + filler + "' OR Manufacturer = 'The Wine Project'");
    EXPECT_TRUE(Fake().messages.empty());
    EXPECT_EQ(AsMap(Shown())["Manufacturer"], "The Wine Project");
    EXPECT_EQ(Fake().titles.front().size(), std::string("Ostrevo  -  retrieving data from ").size() + filler.size() + 85);
}

}  // namespace
