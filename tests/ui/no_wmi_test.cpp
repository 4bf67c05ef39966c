// The whole program in this process while WMI cannot be reached: run with Wine's WMI provider
// switched off (WINEDLLOVERRIDES=wbemprox=d), so that creating the locator fails for real.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/ui/loop_driver.h"
#include "tests/ui/window_fixture.h"
#include "ui/pages.h"
#include "ui/startup.h"
#include "ui/window_state.h"

namespace {

using Boxes = std::vector<std::string>;
const std::string LocatorBox = "ERROR: unable to call CoCreateInstance";

bool ProviderSwitchedOff() {
    char overrides[512] = {};
    GetEnvironmentVariableA("WINEDLLOVERRIDES", overrides, sizeof overrides);
    return RunningUnderWine() && std::string(overrides).find("wbemprox=d") != std::string::npos;
}

}  // namespace

TEST(WithoutWmi, EveryQueryShowsTheLocatorBoxLeavesTheListEmptyAndTheWindowGoesOn) {
    if (!ProviderSwitchedOff()) GTEST_SKIP() << "needs Wine with its WMI provider switched off";
    ASSERT_TRUE(StartUp(GetModuleHandleA(nullptr)));
    BringToFront();

    // The ExecuteButton, by the space bar.
    ShowPage(2);
    SetWindowTextA(Control(CustomQueryField), "Win32_BIOS");
    SetFocus(Control(ExecuteButton));
    Settle();
    PressKey(VK_SPACE);
    LoopOutcome outcome = RunLoopUntilIdle();
    EXPECT_TRUE(outcome.endedWhenIdle);
    EXPECT_EQ(outcome.boxes, Boxes{LocatorBox});
    EXPECT_EQ(RowCount(), 0) << "the first row went with the clearing, and nothing came instead";
    EXPECT_EQ(WindowText(Window().main), "Ostrevo");
    EXPECT_TRUE(IsWindowEnabled(Window().main));
    EXPECT_EQ(QueryFieldText(), "Win32_BIOS");

    // The next gesture runs its queries from the start again: a click on an item of the
    // AlphabeticalTree that is not selected runs two, and each shows its box.
    ShowPage(1);
    const int third = 3;
    const POINT point = TreeItemPoint(AlphabeticalTree, third);
    Settle();
    Click(Control(AlphabeticalTree), point);
    outcome = RunLoopUntilIdle();
    EXPECT_TRUE(outcome.endedWhenIdle);
    EXPECT_EQ(outcome.boxes, (Boxes{LocatorBox, LocatorBox}));
    EXPECT_EQ(SelectedTreeItem(AlphabeticalTree), third);
    EXPECT_EQ(RowCount(), 0);
    EXPECT_EQ(WindowText(Window().main), "Ostrevo");
    EXPECT_TRUE(IsWindowEnabled(Window().main));
}
