// Whole gestures through the real wait order, loop and dispatcher: each scripted message raises
// what the window would raise for it and moves the selection as the tree would, so every run
// must read the selection as it is when its own event is handled.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/fakes/fake_controls.h"
#include "tests/fakes/fake_run_query.h"
#include "ui/event_loop.h"
#include "ui/events.h"
#include "ui/wait_event.h"

namespace {

constexpr std::int32_t WmNotify = 0x4E;
constexpr std::int32_t WmCommand = 0x111;
constexpr std::int32_t WmClose = 16;
constexpr std::int32_t WmPaint = 0x0F;
constexpr std::int32_t WmSysCommand = 0x112;

using Message = std::function<std::int32_t()>;
std::vector<Message> messages;
std::size_t nextMessage = 0;
int overruns = 0;

std::int32_t HandleScriptedMessage() {
    if (nextMessage == messages.size()) {
        ++overruns;
        return WmClose;  // as if WM_CLOSE had been posted to the thread: ends a faulty run
    }
    return messages[nextMessage++]();
}

Event TreeEvent(int tree, EventDetail detail) { return Event{ControlEvent, tree, 0, detail}; }

Message Notify(std::function<void()> raiseEvent) {
    return [raise = std::move(raiseEvent)] {
        raise();
        return WmNotify;
    };
}

Message ButtonPress() {
    return [] {
        RaiseCommandEvent(Event{ControlEvent, ExecuteButton, 0, 0});  // BN_CLICKED
        return WmCommand;
    };
}

Message Plain(std::int32_t number) {
    return [number] { return number; };
}

// The close box: its WM_SYSCOMMAND sends WM_CLOSE, whose event comes on the following wait.
Message CloseBox() {
    return [] {
        QueueEvent(Event{WindowCloseEvent, 0, 0, 0});
        return WmSysCommand;
    };
}

class Gestures : public ::testing::Test {
protected:
    void SetUp() override {
        ResetFake();
        RunQueryTexts().clear();
        Event stale{};
        while (TakeQueuedEvent(stale)) {
        }
        TakeCommandEvent(stale);
        nextMessage = 0;
        overruns = 0;
        Fake().hierarchy.text = {"Computer System Hardware Classes", "Cooling Device", "Win32_Fan", "Win32_BIOS"};
        Fake().alphabetical.text = {"Win32_BIOS", "Win32_Fan", "Win32_Keyboard"};
    }

    void Run(std::vector<Message> script) {
        messages = std::move(script);
        messages.push_back(CloseBox());
        RunEventLoop();
        EXPECT_EQ(nextMessage, messages.size()) << "the loop ended early";
        EXPECT_EQ(overruns, 0) << "the loop went on after the WindowCloseEvent";
    }

    static void Select(int tree, int item) { FakeTreeFor(tree).selected = item; }
};

}  // namespace

Event WaitEvent() { return NextEvent(HandleScriptedMessage); }

TEST_F(Gestures, ClickOnAnotherClassRunsTheNewClassTwiceAndAgainOnceMore) {
    Select(HierarchyTree, 2);
    Run({Notify([] {
             QueueEvent(TreeEvent(HierarchyTree, Clicked));
             Select(HierarchyTree, 3);
             QueueEvent(TreeEvent(HierarchyTree, SelectionChanged));
         }),
         Plain(WmPaint),
         Notify([] { QueueEvent(TreeEvent(HierarchyTree, Clicked)); })});
    EXPECT_EQ(RunQueryTexts(), (std::vector<std::string>{"Win32_BIOS", "Win32_BIOS", "Win32_BIOS"}));
}

TEST_F(Gestures, ClicksAndDoubleClicksOnHeadingsRunNothing) {
    Run({Notify([] {
             QueueEvent(TreeEvent(HierarchyTree, Clicked));
             Select(HierarchyTree, 0);
             QueueEvent(TreeEvent(HierarchyTree, SelectionChanged));
         }),
         Notify([] { QueueEvent(TreeEvent(HierarchyTree, DoubleClicked)); }),
         Notify([] { QueueEvent(TreeEvent(HierarchyTree, RightDoubleClicked)); })});
    EXPECT_TRUE(RunQueryTexts().empty());
}

TEST_F(Gestures, RightClickAndKeyStepsOnTheAlphabeticalTree) {
    Run({Notify([] {
             Select(AlphabeticalTree, 1);
             QueueEvent(TreeEvent(AlphabeticalTree, SelectionChanged));
             QueueEvent(TreeEvent(AlphabeticalTree, RightClicked));
         }),
         Notify([] {
             Select(AlphabeticalTree, 2);
             QueueEvent(TreeEvent(AlphabeticalTree, SelectionChanged));
         }),
         Notify([] {
             Select(AlphabeticalTree, 0);
             QueueEvent(TreeEvent(AlphabeticalTree, SelectionChanged));
         })});
    EXPECT_EQ(RunQueryTexts(),
              (std::vector<std::string>{"Win32_Fan", "Win32_Fan", "Win32_Keyboard", "Win32_BIOS"}));
}

TEST_F(Gestures, ButtonRunsTheFieldOncePerClickAndEnterRunsNothing) {
    Fake().queryField = " SELECT Name FROM Win32_Fan ";
    Run({ButtonPress(),
         [] {  // a double-click's second press, with the field's own notification replaced
             RaiseCommandEvent(Event{ControlEvent, CustomQueryField, 0, 0x300});
             RaiseCommandEvent(Event{ControlEvent, ExecuteButton, 0, 0});
             return WmCommand;
         },
         [] {  // Enter and typing in the field: its notifications only
             RaiseCommandEvent(Event{ControlEvent, CustomQueryField, 0, 0x400});
             RaiseCommandEvent(Event{ControlEvent, CustomQueryField, 0, 0x300});
             return WmCommand;
         }});
    EXPECT_EQ(RunQueryTexts(),
              (std::vector<std::string>{" SELECT Name FROM Win32_Fan ", " SELECT Name FROM Win32_Fan "}));
}

TEST_F(Gestures, TwoEqualEventsOfOneMessageRunOnce) {
    Select(AlphabeticalTree, 0);
    Run({Notify([] {
        QueueEvent(TreeEvent(AlphabeticalTree, Clicked));
        QueueEvent(TreeEvent(AlphabeticalTree, Clicked));
    })});
    EXPECT_EQ(RunQueryTexts(), (std::vector<std::string>{"Win32_BIOS"}));
}
