// Run with Wine's WMI provider disabled, so that creating the locator really fails.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include <windows.h>

#include "query/run_query.h"
#include "tests/fakes/fake_controls.h"
#include "tests/query/fake_com_entry.h"

namespace {

using Lines = std::vector<std::string>;
using Messages = std::vector<std::pair<std::string, std::string>>;

TEST(WithoutTheWmiProvider, EveryQueryTriesAgainFromTheStartAndReportsTheLocator) {
    // The program's start-up apartment, then the real COM library behind a call log.
    CoInitialize(nullptr);
    ResetFake();
    ResetFakeCom();
    FakeComLibrary().passThrough = true;
    const Lines oneQuery = {"CoInitializeEx null 0", "CoInitializeSecurity null -1 null null 2 2 null 0 null",
                            "CoCreateInstance CLSID_WbemLocator null 1 IID_IWbemLocator", "CoUninitialize"};

    RunQuery("Win32_BIOS");
    EXPECT_EQ(Fake().messages, (Messages{{"ERROR", "unable to call CoCreateInstance"}}));
    EXPECT_TRUE(Fake().rows.empty());
    EXPECT_EQ(Fake().title, "Ostrevo");
    EXPECT_EQ(FakeComLibrary().log, oneQuery);

    AppendRow("\nleft from before");
    RunQuery("Select Name from Win32_Process");
    EXPECT_EQ(Fake().messages, (Messages{{"ERROR", "unable to call CoCreateInstance"},
                                         {"ERROR", "unable to call CoCreateInstance"}}));
    EXPECT_TRUE(Fake().rows.empty());
    EXPECT_EQ(Fake().titles, (Lines{"Ostrevo  -  retrieving data from Win32_BIOS", "Ostrevo",
                                    "Ostrevo  -  retrieving data from Select Name from Win32_Process", "Ostrevo"}));
    Lines twoQueries = oneQuery;
    twoQueries.insert(twoQueries.end(), oneQuery.begin(), oneQuery.end());
    EXPECT_EQ(FakeComLibrary().log, twoQueries);
    EXPECT_EQ(Fake().redrawSuspensions, 0);
}

TEST(WithoutTheWmiProvider, TheLocatorIsReallyRefused) {
    // Guards the test above: the refusal comes from the platform, not from a stand-in.
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IWbemLocator* locator = nullptr;
    const HRESULT created = CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                             reinterpret_cast<void**>(&locator));
    EXPECT_NE(created, S_OK);
    EXPECT_EQ(locator, nullptr);
    if (locator != nullptr) locator->Release();
    CoUninitialize();
}

}  // namespace
