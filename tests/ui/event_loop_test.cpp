#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/fakes/fake_controls.h"
#include "tests/fakes/fake_run_query.h"
#include "tests/fakes/fake_wait_event.h"
#include "ui/event_loop.h"

namespace {

using Texts = std::vector<std::string>;

const Event Close{WindowCloseEvent, 0, 0, 0};

Event Control(int control, int detail = Clicked) { return Event{ControlEvent, control, 0, detail}; }
Event Message(int number) { return Event{number, 0, 0, 0}; }

class EventLoop : public ::testing::Test {
protected:
    void SetUp() override {
        ResetFake();
        RunQueryTexts().clear();
        Fake().hierarchy.text = {"Computer System Hardware Classes", "Win32_Fan", "Win32_BIOS"};
        Fake().alphabetical.text = {"Win32_BIOS", "Win32_Fan"};
    }

    // Runs the loop over the script, which must end it exactly at its last step.
    static void Run(std::vector<ScriptedWait> script) {
        ScriptWaits(std::move(script));
        RunEventLoop();
        EXPECT_EQ(WaitsLeft(), 0) << "the loop ended early";
        EXPECT_EQ(WaitOverruns(), 0) << "the loop went on after the WindowCloseEvent";
    }

    static std::function<void()> Select(int tree, int item) {
        return [tree, item] { FakeTreeFor(tree).selected = item; };
    }
};

}  // namespace

TEST_F(EventLoop, HandlesEventsInOrderReadingControlsWhenEachIsHandled) {
    Run({{Control(AlphabeticalTree), Select(AlphabeticalTree, 1)},
         {Control(HierarchyTree), Select(HierarchyTree, 2)},
         {Control(HierarchyTree, SelectionChanged), Select(HierarchyTree, 0)},  // a heading now
         {Control(HierarchyTree, SelectionChanged), Select(HierarchyTree, 1)},
         {Control(ExecuteButton, 0), [] { Fake().queryField = "SELECT * FROM Win32_Fan"; }},
         {Control(AlphabeticalTree), Select(AlphabeticalTree, -1)},
         {Control(ExecuteButton, 0), [] { Fake().queryField = ""; }},
         {Close, nullptr}});
    EXPECT_EQ(RunQueryTexts(),
              (Texts{"Win32_Fan", "Win32_BIOS", "Win32_Fan", "SELECT * FROM Win32_Fan", "", ""}));
}

TEST_F(EventLoop, OnlyTheWindowCloseEventEndsIt) {
    Fake().queryField = "Win32_BIOS";
    Run({{Message(0x12), nullptr},  // WM_QUIT
         {Message(0x0F), nullptr},
         {Message(0x02), nullptr},  // WM_DESTROY
         {Message(0), nullptr},
         {Message(-1), nullptr},
         {Event{ControlEvent + 1, ExecuteButton, 0, 0}, nullptr},
         {Control(ExecuteButton, 0), nullptr},
         {Event{WindowCloseEvent, 3, 9, FocusLost}, nullptr}});
    EXPECT_EQ(RunQueryTexts(), Texts{"Win32_BIOS"});
}

TEST_F(EventLoop, NothingAfterTheCloseIsWaitedFor) {
    Fake().queryField = "Win32_BIOS";
    ScriptWaits({{Close, nullptr}, {Control(ExecuteButton, 0), nullptr}});
    RunEventLoop();
    EXPECT_EQ(WaitsTaken(), 1);
    EXPECT_TRUE(RunQueryTexts().empty());
}
