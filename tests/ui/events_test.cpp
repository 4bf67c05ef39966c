#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "ui/events.h"

namespace {

const Event A{ControlEvent, 2, 0, Clicked};
const Event B{ControlEvent, 2, 0, SelectionChanged};
const Event C{ControlEvent, 3, 0, Clicked};

std::vector<Event> TakeAllQueued() {
    std::vector<Event> events;
    Event event{};
    while (TakeQueuedEvent(event)) events.push_back(event);
    return events;
}

// The message handler that NextEvent calls: scripted per test, and counted.
std::function<std::int32_t()> handler;
int messagesHandled = 0;

std::int32_t HandleScriptedMessage() {
    ++messagesHandled;
    return handler();
}

class Events : public ::testing::Test {
protected:
    void SetUp() override {
        TakeAllQueued();
        Event stale{};
        TakeCommandEvent(stale);
        messagesHandled = 0;
        handler = [] { return std::int32_t{0x0F}; };
    }
};

}  // namespace

TEST_F(Events, QueueHandsOutInTheOrderQueued) {
    Event event{};
    EXPECT_FALSE(TakeQueuedEvent(event));
    QueueEvent(A);
    QueueEvent(B);
    QueueEvent(C);
    EXPECT_EQ(TakeAllQueued(), (std::vector<Event>{A, B, C}));
    EXPECT_FALSE(TakeQueuedEvent(event));
}

TEST_F(Events, OnlyAnEventEqualToTheNewestWaitingIsDropped) {
    QueueEvent(A);
    QueueEvent(A);
    QueueEvent(B);
    QueueEvent(A);  // equal to an older one, not to the newest
    QueueEvent(A);
    EXPECT_EQ(TakeAllQueued(), (std::vector<Event>{A, B, A}));

    // Equal means all four values: a difference in any one of them is a new event.
    const Event base{ControlEvent, 6, 0, 0};
    QueueEvent(base);
    QueueEvent(Event{ControlEvent + 1, 6, 0, 0});
    QueueEvent(base);
    QueueEvent(Event{ControlEvent, 5, 0, 0});
    QueueEvent(base);
    QueueEvent(Event{ControlEvent, 6, 1, 0});
    QueueEvent(base);
    QueueEvent(Event{ControlEvent, 6, 0, -1});
    EXPECT_EQ(TakeAllQueued().size(), 8u);
}

TEST_F(Events, TheNewestCountsOnlyWhileItWaits) {
    Event event{};
    QueueEvent(A);
    ASSERT_TRUE(TakeQueuedEvent(event));
    QueueEvent(A);  // the queue is empty: nothing to be equal to
    EXPECT_EQ(TakeAllQueued(), (std::vector<Event>{A}));

    QueueEvent(A);
    QueueEvent(B);
    ASSERT_TRUE(TakeQueuedEvent(event));
    QueueEvent(B);  // B still waits
    QueueEvent(A);
    EXPECT_EQ(TakeAllQueued(), (std::vector<Event>{B, A}));
}

TEST_F(Events, CommandSlotKeepsTheLastRaisedAndEmptiesWhenTaken) {
    Event event{};
    EXPECT_FALSE(TakeCommandEvent(event));
    RaiseCommandEvent(Event{ControlEvent, 5, 0, 0x400});
    RaiseCommandEvent(Event{ControlEvent, 5, 0, 0x300});
    ASSERT_TRUE(TakeCommandEvent(event));
    EXPECT_EQ(event, (Event{ControlEvent, 5, 0, 0x300}));
    EXPECT_FALSE(TakeCommandEvent(event));

    // Slot and queue are apart: neither fills nor drops the other.
    QueueEvent(A);
    RaiseCommandEvent(A);
    EXPECT_EQ(TakeAllQueued(), (std::vector<Event>{A}));
    ASSERT_TRUE(TakeCommandEvent(event));
    EXPECT_EQ(event, A);
}

TEST_F(Events, WaitTakesTheQueueFirstAndHandlesNoMessageThen) {
    QueueEvent(A);
    QueueEvent(B);
    RaiseCommandEvent(C);  // left from outside any wait
    EXPECT_EQ(NextEvent(HandleScriptedMessage), A);
    EXPECT_EQ(NextEvent(HandleScriptedMessage), B);
    EXPECT_EQ(messagesHandled, 0);
}

TEST_F(Events, WaitWithNothingRaisedHandsOutTheMessageNumber) {
    handler = [] { return std::int32_t{0x12}; };  // WM_QUIT is handled like any message
    EXPECT_EQ(NextEvent(HandleScriptedMessage), (Event{0x12, 0, 0, 0}));
    handler = [] { return std::int32_t{0xC123}; };
    EXPECT_EQ(NextEvent(HandleScriptedMessage).kind, 0xC123);
    EXPECT_EQ(messagesHandled, 2);
}

TEST_F(Events, WaitHandsOutTheMessagesCommandEventBeforeItsQueuedOnes) {
    const Event button{ControlEvent, 6, 0, 0};
    handler = [button] {
        QueueEvent(A);
        RaiseCommandEvent(Event{ControlEvent, 5, 0, 0x100});
        QueueEvent(A);
        RaiseCommandEvent(button);  // replaces the field's
        QueueEvent(B);
        return std::int32_t{0x111};
    };
    EXPECT_EQ(NextEvent(HandleScriptedMessage), button);
    EXPECT_EQ(NextEvent(HandleScriptedMessage), A);
    EXPECT_EQ(NextEvent(HandleScriptedMessage), B);
    EXPECT_EQ(messagesHandled, 1);
}

TEST_F(Events, ACommandEventFromOutsideAWaitIsNotHandedOut) {
    RaiseCommandEvent(Event{ControlEvent, 6, 0, 0});
    EXPECT_EQ(NextEvent(HandleScriptedMessage), (Event{0x0F, 0, 0, 0}));
    // Nor does it linger for a later wait.
    EXPECT_EQ(NextEvent(HandleScriptedMessage), (Event{0x0F, 0, 0, 0}));
}

TEST_F(Events, EventsQueuedOutsideAWaitWaitForTheNext) {
    handler = [] {
        QueueEvent(C);
        return std::int32_t{0x201};
    };
    QueueEvent(B);  // raised meanwhile, e.g. while a message box was up
    EXPECT_EQ(NextEvent(HandleScriptedMessage), B);
    EXPECT_EQ(NextEvent(HandleScriptedMessage), (Event{0x201, 0, 0, 0}));
    EXPECT_EQ(NextEvent(HandleScriptedMessage), C);
}
