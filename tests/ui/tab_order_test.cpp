#include <gtest/gtest.h>

#include <vector>

#include "ui/tab_order.h"

namespace {
// The main window's descendants on the Custom page, in EnumChildWindows order: the ViewTabs, the
// three page containers, the hint, the field, the button, the ResultList and its header.
const std::vector<bool> CustomPage = {true, false, false, false, false, true, true, true, false};
constexpr int Tabs = 0, Container = 3, Field = 5, Button = 6, List = 7, Header = 8;
}  // namespace

TEST(TabOrder, ForwardAndBackwardWrapRound) {
    EXPECT_EQ(NextTabStop(CustomPage, Tabs, true), Field);
    EXPECT_EQ(NextTabStop(CustomPage, Field, true), Button);
    EXPECT_EQ(NextTabStop(CustomPage, Button, true), List);
    EXPECT_EQ(NextTabStop(CustomPage, List, true), Tabs);
    EXPECT_EQ(NextTabStop(CustomPage, Tabs, false), List);
    EXPECT_EQ(NextTabStop(CustomPage, List, false), Button);
    EXPECT_EQ(NextTabStop(CustomPage, Field, false), Tabs);
}

TEST(TabOrder, NoFocusedCandidateStartsAtAnEnd) {
    EXPECT_EQ(NextTabStop(CustomPage, -1, true), Tabs);
    EXPECT_EQ(NextTabStop(CustomPage, -1, false), List);
    EXPECT_EQ(NextTabStop(CustomPage, 99, true), Tabs);
}

TEST(TabOrder, FocusOnAControlThatIsNoTabStopMovesFromItsPlace) {
    EXPECT_EQ(NextTabStop(CustomPage, Container, true), Field);
    EXPECT_EQ(NextTabStop(CustomPage, Container, false), Tabs);
    EXPECT_EQ(NextTabStop(CustomPage, Header, true), Tabs) << "past the end wraps round";
    EXPECT_EQ(NextTabStop(CustomPage, Header, false), List);
}

TEST(TabOrder, ALoneTabStopKeepsTheFocusAndNoneGivesNothing) {
    EXPECT_EQ(NextTabStop({false, true, false}, 1, true), 1);
    EXPECT_EQ(NextTabStop({false, true, false}, 1, false), 1);
    EXPECT_EQ(NextTabStop({false, false}, 0, true), -1);
    EXPECT_EQ(NextTabStop({false, false}, -1, false), -1);
    EXPECT_EQ(NextTabStop({}, -1, true), -1);
}
