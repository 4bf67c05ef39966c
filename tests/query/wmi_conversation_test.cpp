// The conversation's calls, messages, value texts and releases, over COM test doubles and a
// stand-in COM library; and the "too late" security answer against Wine's real WMI.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <windows.h>
#include <wbemidl.h>

#include "query/com_owned.h"
#include "query/conversation.h"
#include "query/run_query.h"
#include "tests/fakes/fake_controls.h"
#include "tests/query/allocation_spy.h"
#include "tests/query/com_doubles.h"
#include "tests/query/fake_com_entry.h"

namespace {

using Lines = std::vector<std::string>;
using Messages = std::vector<std::pair<std::string, std::string>>;

std::map<std::string, std::string> ShownValues() {
    std::map<std::string, std::string> values;
    for (const FakeRow& row : Fake().rows) values[row.property] = row.value;
    return values;
}

int Count(const Lines& lines, const std::string& line) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

// The opening every successful conversation makes, up to the first object.
const Lines opening = {
    "CoInitializeEx null 0",
    "CoInitializeSecurity null -1 null null 2 2 null 0 null",
    "CoCreateInstance CLSID_WbemLocator null 1 IID_IWbemLocator",
    "ConnectServer root\\cimv2 null null null 0 null null",
    "QueryInterface IID_IUnknown",
    "CoSetProxyBlanket services 10 0 null 3 3 null 0",
    "CoSetProxyBlanket base 10 0 null 3 3 null 0",
    "Release base",
};

Lines Joined(Lines first, const Lines& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

class ConversationTest : public ::testing::Test {
protected:
    LocatorDouble locator{"locator"};
    ServicesDouble services{"services"};
    UnknownDouble base{"base"};
    EnumeratorDouble enumerator{"enumerator"};
    std::vector<std::unique_ptr<ObjectDouble>> objects;

    void SetUp() override {
        ResetFake();
        ResetFakeCom();
        FakeCom& com = FakeComLibrary();
        com.locator = &locator;
        locator.services = &services;
        services.base = &base;
        services.enumerator = &enumerator;
        com.names = {{&locator, "locator"}, {&services, "services"}, {&base, "base"}, {&enumerator, "enumerator"}};
    }

    ObjectDouble& AddObject() {
        objects.push_back(std::make_unique<ObjectDouble>("object" + std::to_string(objects.size() + 1)));
        enumerator.objects.push_back(objects.back().get());
        return *objects.back();
    }

    const Lines& ComLog() { return FakeComLibrary().log; }

    // Every reference handed to the conversation has come back: only the test's own remain.
    void ExpectEveryReferenceReturned() {
        EXPECT_EQ(locator.refs, 1u);
        EXPECT_EQ(services.refs, 1u);
        EXPECT_EQ(base.refs, 1u);
        EXPECT_EQ(enumerator.refs, 1u);
        for (const auto& object : objects) EXPECT_EQ(object->refs, 1u) << object->name;
        EXPECT_EQ(Count(ComLog(), "CoUninitialize"), 1);
        EXPECT_EQ(ComLog().back(), "CoUninitialize");
    }
};

TEST_F(ConversationTest, EveryStepInOrderWithItsArguments) {
    ObjectDouble& object = AddObject();
    object.Add(L"Name", BstrValue(L"fan"));
    object.Add(L"Speed", I4Value(5));
    RunQuery("Win32_Fan");
    EXPECT_EQ(ComLog(), Joined(opening, {
                                            "ExecQuery WQL SELECT * FROM Win32_Fan 48 null",
                                            "Reset",
                                            "Next -1 1",
                                            "GetNames null 0 null",
                                            "Get Name 0 null null",
                                            "Get Speed 0 null null",
                                            "Release object1",
                                            "Next -1 1",
                                            "Release services",
                                            "Release locator",
                                            "Release enumerator",
                                            "CoUninitialize",
                                        }));
    EXPECT_EQ(ShownValues(), (std::map<std::string, std::string>{{"Name", "fan"}, {"Speed", "5"}}));
    EXPECT_TRUE(Fake().messages.empty());
    ExpectEveryReferenceReturned();
}

struct FailingStep {
    const char* name;
    HRESULT answer;
    std::pair<std::string, std::string> message;
    Lines endOfLog;  // what follows the last step that succeeded
};

void PrintTo(const FailingStep& step, std::ostream* out) { *out << step.name << " " << step.message.second; }

class FailingStepTest : public ConversationTest, public ::testing::WithParamInterface<FailingStep> {};

TEST_P(FailingStepTest, ShowsItsBoxThenReleasesWhatWasObtained) {
    const FailingStep& step = GetParam();
    const std::string name = step.name;
    FakeCom& com = FakeComLibrary();
    if (name == "security") com.securityAnswer = step.answer;
    if (name == "create") com.createAnswer = step.answer;
    if (name == "connect") locator.connectAnswer = step.answer;
    if (name == "blanket") com.blanketAnswers = {step.answer};
    if (name == "base blanket") com.blanketAnswers = {S_OK, step.answer};
    if (name == "query") services.queryAnswer = step.answer;
    AddObject().Add(L"Name", BstrValue(L"never shown"));
    AppendRow("Name\nfrom the query before");
    ASSERT_TRUE(StartWatchingAllocations());

    RunQuery("Win32_Fan");

    EXPECT_EQ(LiveAllocations(), 0);
    StopWatchingAllocations();
    EXPECT_EQ(Fake().messages, (Messages{step.message}));
    EXPECT_TRUE(Fake().rows.empty());
    EXPECT_EQ(Fake().titles, (Lines{"Ostrevo  -  retrieving data from Win32_Fan", "Ostrevo"}));
    EXPECT_EQ(Fake().redrawSuspensions, 0);
    const Lines& log = ComLog();
    ASSERT_GE(log.size(), step.endOfLog.size());
    EXPECT_EQ(Lines(log.end() - static_cast<std::ptrdiff_t>(step.endOfLog.size()), log.end()), step.endOfLog);
    EXPECT_EQ(Count(log, "Next -1 1"), 0);
    ExpectEveryReferenceReturned();
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FailingStepTest,
    ::testing::Values(
        FailingStep{"security", E_ACCESSDENIED, {"ERROR", "unable to call CoInitializeSecurity"},
                    {"CoInitializeEx null 0", "CoInitializeSecurity null -1 null null 2 2 null 0 null", "CoUninitialize"}},
        FailingStep{"security", RPC_E_NO_GOOD_SECURITY_PACKAGES, {"ERROR", "unable to call CoInitializeSecurity"},
                    {"CoInitializeSecurity null -1 null null 2 2 null 0 null", "CoUninitialize"}},
        FailingStep{"create", static_cast<HRESULT>(0x80070005), {"ERROR", "unable to call CoCreateInstance"},
                    {"CoCreateInstance CLSID_WbemLocator null 1 IID_IWbemLocator", "CoUninitialize"}},
        FailingStep{"connect", static_cast<HRESULT>(WBEM_E_INVALID_NAMESPACE),
                    {"FFFFFFFF8004100E", "unable To call IWbemLocator::ConnectServer"},
                    {"ConnectServer root\\cimv2 null null null 0 null null", "Release locator", "CoUninitialize"}},
        FailingStep{"connect", static_cast<HRESULT>(WBEM_E_ACCESS_DENIED),
                    {"FFFFFFFF80041003", "unable To call IWbemLocator::ConnectServer"},
                    {"Release locator", "CoUninitialize"}},
        // The services' own IUnknown is released even though its blanket step never came.
        FailingStep{"blanket", E_ACCESSDENIED, {"ERROR", "unable to call CoSetProxyBlanket"},
                    {"CoSetProxyBlanket services 10 0 null 3 3 null 0", "Release base", "Release services",
                     "Release locator", "CoUninitialize"}},
        FailingStep{"base blanket", E_FAIL, {"ERROR", "unable to call CoSetProxyBlanket"},
                    {"CoSetProxyBlanket base 10 0 null 3 3 null 0", "Release base", "Release services",
                     "Release locator", "CoUninitialize"}},
        FailingStep{"query", static_cast<HRESULT>(WBEM_E_INVALID_QUERY), {"ERROR", "unable to call IWbemServices::ExecQuery"},
                    {"Release base", "ExecQuery WQL SELECT * FROM Win32_Fan 48 null", "Release services",
                     "Release locator", "CoUninitialize"}}),
    // Not named "info": the macro's own function has a parameter of that name.
    [](const ::testing::TestParamInfo<FailingStep>& step) {
        std::string name = step.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name + "_" + std::to_string(step.index);
    });

TEST_F(ConversationTest, SecuritySetByAnEarlierQueryCountsAsSet) {
    AddObject().Add(L"Name", BstrValue(L"first"));
    RunQuery("Win32_Fan");
    // As on Windows: the process security stands, and a second call is refused as too late.
    FakeComLibrary().securityAnswer = RPC_E_TOO_LATE;
    enumerator.position = 0;
    objects[0]->values[L"Name"] = BstrValue(L"second");
    FakeComLibrary().log.clear();
    RunQuery("Win32_Fan");
    EXPECT_TRUE(Fake().messages.empty());
    EXPECT_EQ(ShownValues(), (std::map<std::string, std::string>{{"Name", "second"}}));
    EXPECT_EQ(Lines(ComLog().begin(), ComLog().begin() + 8), opening);
    ExpectEveryReferenceReturned();
}

TEST_F(ConversationTest, ValueTextsByType) {
    ObjectDouble& object = AddObject();
    object.Add(L"MinusOne", I4Value(-1));
    object.Add(L"Smallest", I4Value(INT_MIN));
    object.Add(L"Largest", I4Value(INT_MAX));
    object.Add(L"Zero", I4Value(0));
    object.Add(L"Text", BstrValue(L"18446744073709551615"));
    object.Add(L"Date", BstrValue(L"20120608000000.000000+000"));
    object.Add(L"NullText", BstrValue(nullptr));
    object.Add(L"EmptyText", BstrValue(L""));
    for (const auto& typed : std::vector<std::pair<const wchar_t*, VARTYPE>>{{L"Bool", VT_BOOL},
                                                                              {L"Null", VT_NULL},
                                                                              {L"Empty", VT_EMPTY},
                                                                              {L"Real", VT_R8},
                                                                              {L"Float", VT_R4},
                                                                              {L"Byte", VT_UI1},
                                                                              {L"Short", VT_I2},
                                                                              {L"Unsigned", VT_UI4},
                                                                              {L"Wide", VT_I8},
                                                                              {L"When", VT_DATE}})
        object.Add(typed.first, TypedValue(typed.second));
    object.Add(L"Strings", ArrayValue(VT_BSTR, 2));
    object.Add(L"Numbers", ArrayValue(VT_I4, 3));
    RunQuery("Win32_Test");
    EXPECT_EQ(ShownValues(), (std::map<std::string, std::string>{{"MinusOne", "-1"},
                                                                 {"Smallest", "-2147483648"},
                                                                 {"Largest", "2147483647"},
                                                                 {"Zero", "0"},
                                                                 {"Text", "18446744073709551615"},
                                                                 {"Date", "20120608000000.000000+000"},
                                                                 {"NullText", ""},
                                                                 {"EmptyText", ""},
                                                                 {"Bool", ""},
                                                                 {"Null", ""},
                                                                 {"Empty", ""},
                                                                 {"Real", ""},
                                                                 {"Float", ""},
                                                                 {"Byte", ""},
                                                                 {"Short", ""},
                                                                 {"Unsigned", ""},
                                                                 {"Wide", ""},
                                                                 {"When", ""},
                                                                 {"Strings", ""},
                                                                 {"Numbers", ""}}));
    EXPECT_EQ(Fake().rows.size(), 20u);
    EXPECT_EQ(object.getCalls, 20);
}

TEST_F(ConversationTest, NamesFollowTheArrayBoundsAndSkipEmptyElements) {
    ObjectDouble& object = AddObject();
    object.lowerBound = 5;
    object.Add(nullptr, VARIANT());
    object.Add(L"A", BstrValue(L"a"));
    object.Add(nullptr, VARIANT());
    object.Add(L"", BstrValue(L"nameless but present"));
    object.Add(L"B", I4Value(2));
    ASSERT_TRUE(OpenConversation("SELECT A, B FROM Win32_Test"));
    ASSERT_TRUE(NextObject());
    EXPECT_EQ(PropertyNames(), (std::vector<std::optional<std::string>>{std::nullopt, std::string("A"), std::nullopt,
                                                                        std::string(""), std::string("B")}));
    EXPECT_EQ(ValueText("A"), "a");
    EXPECT_EQ(ValueText(""), "nameless but present");
    EXPECT_EQ(ValueText("B"), "2");
    EXPECT_EQ(ValueText("NoSuchProperty"), "");
    ReleaseObject();
    EXPECT_FALSE(NextObject());
    CloseConversation();
    ExpectEveryReferenceReturned();
}

TEST_F(ConversationTest, AnObjectWithoutNamesShowsNothing) {
    AddObject().namesAnswer = WBEM_E_FAILED;
    ObjectDouble& second = AddObject();
    second.namesAnswer = WBEM_E_FAILED;
    RunQuery("Win32_Test");
    EXPECT_EQ(Fake().rows.size(), 3u);  // Item #1, separator, Item #2
    EXPECT_EQ(Fake().rows[2].property, "Item #2");
    ExpectEveryReferenceReturned();
}

TEST_F(ConversationTest, NamesAndValuesOutsideTheCodePageUseItsDefaultCharacter) {
    if (GetACP() != 1252) GTEST_SKIP() << "needs the Western code page, this one is " << GetACP();
    ObjectDouble& object = AddObject();
    object.Add(L"Caption", BstrValue(L"\u4E2Dx\u00E9"));
    object.Add(L"Gr\u00FC\u00DFe\u4E2D", BstrValue(L"unreachable"));
    RunQuery("Win32_Test");
    // The converted name no longer names the property, so its value cannot be read back.
    EXPECT_EQ(ShownValues(),
              (std::map<std::string, std::string>{{"Caption", "?x\xE9"}, {"Gr\xFC\xDF" "e?", ""}}));
}

TEST_F(ConversationTest, EverythingObtainedIsReleasedAndEveryValueFreed) {
    for (int i = 0; i < 3; ++i) {
        ObjectDouble& object = AddObject();
        object.lowerBound = i;
        object.Add(L"__CLASS", BstrValue(L"Win32_Test"));
        object.Add(nullptr, VARIANT());
        object.Add(L"Name", BstrValue(L"a string value that must be freed"));
        object.Add(L"Count", I4Value(i));
        object.Add(L"List", ArrayValue(VT_BSTR, 2));
    }
    ASSERT_TRUE(StartWatchingAllocations());
    BSTR probe = SysAllocString(L"probe");
    ASSERT_EQ(LiveAllocations(), 1) << "the allocator spy does not see BSTRs";
    SysFreeString(probe);
    ASSERT_EQ(LiveAllocations(), 0) << "freed BSTRs are being cached";

    RunQuery("Select Name, Count, List from Win32_Test");

    // ToBstr's strings, the names arrays and their copied names, and every value's contents.
    EXPECT_EQ(LiveAllocations(), 0);
    EXPECT_GT(AllocationsSeen(), 20);
    StopWatchingAllocations();
    for (const auto& object : objects) {
        EXPECT_EQ(object->getsIntoAFullVariant, 0) << object->name;
        EXPECT_EQ(Count(ComLog(), "Release " + object->name), 1);
    }
    EXPECT_EQ(Count(ComLog(), "Release base"), 1);
    ExpectEveryReferenceReturned();
    EXPECT_EQ(Fake().rows.size(), 3u * 4 + 2);  // per object a heading and three rows; two separators
}

// An owner handed to a call lets go of what it held, and keeps what the call wrote or nothing.
TEST_F(ConversationTest, AnOwnerHandedToACallTakesWhatTheCallWrote) {
    OwnedReference<IUnknown> owner;
    ASSERT_EQ(services.QueryInterface(__uuidof(IUnknown), OutPtr(owner)), S_OK);
    EXPECT_EQ(owner.get(), &base);
    EXPECT_EQ(locator.QueryInterface(__uuidof(IWbemServices), OutPtr(owner)), E_NOINTERFACE);
    EXPECT_EQ(owner, nullptr);
    EXPECT_EQ(base.refs, 1u);
}

// Against Wine's real WMI, whose CoInitializeSecurity never says "too late" by itself.
class RealSecurityTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetFake();
        ResetFakeCom();
        FakeComLibrary().passThrough = true;
    }
};

TEST_F(RealSecurityTest, TooLateStillRunsTheQuery) {
    FakeComLibrary().securityAnswer = RPC_E_TOO_LATE;
    RunQuery("Win32_BIOS");
    EXPECT_TRUE(Fake().messages.empty());
    EXPECT_EQ(ShownValues()["Manufacturer"], "The Wine Project");
    EXPECT_EQ(Count(FakeComLibrary().log, "CoUninitialize"), 1);
}

TEST_F(RealSecurityTest, OtherRefusalsEndTheQueryAndTheNextOneStartsAfresh) {
    FakeComLibrary().securityAnswer = E_ACCESSDENIED;
    RunQuery("Win32_BIOS");
    EXPECT_EQ(Fake().messages, (Messages{{"ERROR", "unable to call CoInitializeSecurity"}}));
    EXPECT_TRUE(Fake().rows.empty());
    EXPECT_EQ(FakeComLibrary().log, (Lines{"CoInitializeEx null 0",
                                           "CoInitializeSecurity null -1 null null 2 2 null 0 null",
                                           "CoUninitialize"}));
    FakeComLibrary().securityAnswer.reset();
    RunQuery("Win32_BIOS");
    EXPECT_EQ(Fake().messages.size(), 1u);
    EXPECT_EQ(ShownValues()["Manufacturer"], "The Wine Project");
}

TEST_F(RealSecurityTest, ARepeatedRealQueryLeavesNoAllocationBehind) {
    RunQuery("Win32_BIOS");  // the provider's first use, with whatever it keeps for later
    ResetFake();
    ASSERT_TRUE(StartWatchingAllocations());
    RunQuery("Win32_BIOS");
    const int live = LiveAllocations();
    StopWatchingAllocations();
    EXPECT_EQ(ShownValues()["Manufacturer"], "The Wine Project");
    EXPECT_EQ(live, 0);
}

}  // namespace
