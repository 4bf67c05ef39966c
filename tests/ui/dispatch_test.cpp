#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "tests/fakes/fake_controls.h"
#include "tests/fakes/fake_run_query.h"
#include "ui/dispatch.h"

namespace {

using Texts = std::vector<std::string>;

const EventDetail AllDetails[] = {Clicked,          RightClicked, DoubleClicked, RightDoubleClicked,
                                  SelectionChanged, DragBegun,    FocusGained,   FocusLost};

class Dispatch : public ::testing::Test {
protected:
    void SetUp() override {
        ResetFake();
        RunQueryTexts().clear();
    }

    // What one ControlEvent of the control runs, with `text` the tree's only item, selected.
    static Texts RunsForSelected(int tree, const std::string& text) {
        ResetFake();
        RunQueryTexts().clear();
        FakeTreeFor(tree).text = {text};
        FakeTreeFor(tree).selected = 0;
        DispatchEvent(Event{ControlEvent, tree, 0, Clicked});
        return RunQueryTexts();
    }
};

}  // namespace

TEST_F(Dispatch, HierarchyTreeRunsOnlyTextsBeginningWithWin32) {
    for (const std::string text : {"Win32", "Win32_BIOS", "Win32 ", "Win32\n"})
        EXPECT_EQ(RunsForSelected(HierarchyTree, text), Texts{text}) << text;
    for (const std::string text : {"win32_x", "WIN32", "Win3", "", "W", " Win32_BIOS", "Win 32_BIOS",
                                   "Computer System Hardware Classes", "Cooling Device"})
        EXPECT_TRUE(RunsForSelected(HierarchyTree, text).empty()) << text;
    EXPECT_EQ(RunsForSelected(HierarchyTree, std::string("Win32\0x", 7)), Texts{std::string("Win32\0x", 7)});
    EXPECT_TRUE(RunsForSelected(HierarchyTree, std::string("Win3\0", 5)).empty());
}

TEST_F(Dispatch, HierarchyTreeWithNothingSelectedRunsNothing) {
    Fake().hierarchy.text = {"Win32_BIOS"};
    DispatchEvent(Event{ControlEvent, HierarchyTree, 0, SelectionChanged});
    EXPECT_TRUE(RunQueryTexts().empty());
}

TEST_F(Dispatch, AlphabeticalTreeAlwaysRunsItsSelection) {
    for (const std::string text : {"Win32_BIOS", "win32_x", "Win3", " "})
        EXPECT_EQ(RunsForSelected(AlphabeticalTree, text), Texts{text}) << text;

    ResetFake();
    RunQueryTexts().clear();
    Fake().alphabetical.text = {"Win32_BIOS", "Win32_Fan"};
    DispatchEvent(Event{ControlEvent, AlphabeticalTree, 0, Clicked});  // nothing selected
    Fake().alphabetical.selected = 1;
    DispatchEvent(Event{ControlEvent, AlphabeticalTree, 0, Clicked});
    EXPECT_EQ(RunQueryTexts(), (Texts{"", "Win32_Fan"}));
}

TEST_F(Dispatch, ExecuteButtonHandsOverTheWholeFieldUnchanged) {
    const std::string longText = "SELECT * FROM Win32_Process WHERE Name = '" + std::string(10000, 'x') + "'";
    for (const std::string text : {"", "  SELECT * FROM Win32_BIOS \t ", "Win32_BIOS\r\n", longText.c_str()}) {
        RunQueryTexts().clear();
        Fake().queryField = text;
        DispatchEvent(Event{ControlEvent, ExecuteButton, 0, 0});  // BN_CLICKED
        EXPECT_EQ(RunQueryTexts(), Texts{text});
    }
}

TEST_F(Dispatch, OtherControlsRunNothing) {
    Fake().hierarchy.text = {"Win32_BIOS"};
    Fake().hierarchy.selected = 0;
    Fake().alphabetical.text = {"Win32_BIOS"};
    Fake().alphabetical.selected = 0;
    Fake().queryField = "Win32_BIOS";
    for (int control : {0, 1, 4, 5, -1, 7, 13100})
        for (EventDetail detail : AllDetails) DispatchEvent(Event{ControlEvent, control, 0, detail});
    EXPECT_TRUE(RunQueryTexts().empty());
}

TEST_F(Dispatch, DetailAndWindowAreNotLookedAt) {
    Fake().hierarchy.text = {"Win32_BIOS"};
    Fake().hierarchy.selected = 0;
    Fake().alphabetical.text = {"Win32_Fan"};
    Fake().alphabetical.selected = 0;
    Fake().queryField = "Win32_Keyboard";
    const int details[] = {Clicked,   RightClicked, DoubleClicked, RightDoubleClicked, SelectionChanged,
                           DragBegun, FocusGained,  FocusLost,     0,                  0x300,
                           -1};
    for (int control : {HierarchyTree, AlphabeticalTree, ExecuteButton}) {
        RunQueryTexts().clear();
        for (int detail : details) DispatchEvent(Event{ControlEvent, control, 7, detail});
        EXPECT_EQ(RunQueryTexts().size(), std::size(details)) << control;
    }
}
