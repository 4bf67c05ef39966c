// The ResultList's row operations on the real list view.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "tests/ui/window_fixture.h"
#include "ui/item_colours.h"
#include "ui/window_state.h"

namespace {

class ListRows : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(MakeWindow(false)); }
    void SetUp() override { ClearRows(); }
    static std::string Cell(int row, int column) { return ListCellText(Control(ResultList), row, column); }
    static bool ColourOf(int row, Colour& colour) { return RowColourOf(row, colour); }
    static bool HasUpdate(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }
    static double Milliseconds(std::chrono::steady_clock::time_point since) {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
    }
};

}  // namespace

TEST_F(ListRows, AppendRowSplitsAtLineFeeds) {
    const std::string texts[] = {"Name\nValue", "\nNo data to display", "Item #1", "", "Caption\nWindows\nServer",
                                 "a\n\nc", "a\n", "\n"};
    const char* const expected[][2] = {{"Name", "Value"}, {"", "No data to display"}, {"Item #1", ""}, {"", ""},
                                       {"Caption", "Windows"}, {"a", ""}, {"a", ""}, {"", ""}};
    for (const std::string& text : texts) AppendRow(text);
    ASSERT_EQ(RowCount(), 8);
    for (int row = 0; row < 8; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(Cell(row, 0), expected[row][0]);
        EXPECT_EQ(Cell(row, 1), expected[row][1]);
        EXPECT_EQ(Cell(row, 2), "") << "no third column shows the piece after the second line feed";
        Colour colour;
        EXPECT_FALSE(ColourOf(row, colour));
    }
    EXPECT_EQ(texts[4], "Caption\nWindows\nServer");
    // As the copy keys read them, after what is there: the list itself answers for a row or column
    // it does not have.
    std::string read = "x";
    AppendCellText(4, 1, read);
    AppendCellText(4, 2, read);
    AppendCellText(8, 0, read);
    EXPECT_EQ(read, "xWindows");
}

TEST_F(ListRows, ColoursStayWithTheirRows) {
    for (int i = 0; i < 6; ++i) AppendRow("row " + std::to_string(i) + "\nvalue");
    SetRowColour(1, HeadingColour);
    SetRowColour(4, 0x000000);  // black is a colour, not its absence
    SetRowColour(6, HeadingColour);
    SetRowColour(-1, HeadingColour);

    RemoveRow(0);  // every row moves up by one, colours with them
    Colour colour = 1;
    ASSERT_TRUE(ColourOf(0, colour));
    EXPECT_EQ(colour, HeadingColour);
    EXPECT_EQ(Cell(0, 0), "row 1");
    ASSERT_TRUE(ColourOf(3, colour));
    EXPECT_EQ(colour, 0u);
    for (int row : {1, 2, 4}) EXPECT_FALSE(ColourOf(row, colour)) << row;

    RemoveRow(0);  // the coloured row goes, and its colour with it
    EXPECT_EQ(Cell(0, 0), "row 2");
    EXPECT_FALSE(ColourOf(0, colour));
    ASSERT_TRUE(ColourOf(2, colour));

    RemoveRow(-1);
    RemoveRow(RowCount());
    EXPECT_EQ(RowCount(), 4);

    ClearRows();
    EXPECT_EQ(RowCount(), 0);
    AppendRow("new");
    EXPECT_FALSE(ColourOf(0, colour)) << "a cleared row's colour is gone";
    EXPECT_FALSE(ColourOf(5, colour));
}

TEST_F(ListRows, ColouringAndResumingOnlyInvalidate) {
    const HWND list = Control(ResultList);
    AppendRow("Item #1");
    PumpMessages();
    ASSERT_FALSE(HasUpdate(list));
    SetRowColour(0, HeadingColour);
    EXPECT_TRUE(HasUpdate(list)) << "the list waits for the next paint";

    PumpMessages();
    const auto start = std::chrono::steady_clock::now();
    SuspendRowRedraw();
    for (int i = 0; i < 200; ++i) AppendRow("Name\nValue");
    ResumeRowRedraw();
    const double suspended = Milliseconds(start) / 200;
    EXPECT_EQ(RowCount(), 201);
    EXPECT_TRUE(HasUpdate(list));
    PumpMessages();
    EXPECT_FALSE(HasUpdate(list));

    // For comparison, rows appended to the visible list without suspending its redraw.
    const auto visibleStart = std::chrono::steady_clock::now();
    for (int i = 0; i < 10; ++i) AppendRow("Name\nValue");
    const double visible = Milliseconds(visibleStart) / 10;
    std::printf("AppendRow: %.3f ms a row with redraw suspended, %.3f ms on the visible list (%.0f times)\n",
                suspended, visible, suspended > 0 ? visible / suspended : 0.0);
}
