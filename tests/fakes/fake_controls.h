#pragma once
// In-memory stand-ins for the control operations, linked into native tests in place of the
// real window. They keep what the real controls would show, and a log of every call in order.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/controls.h"
#include "ui/tree_placement.h"

struct FakeRow {
    std::string property;  // column 0
    std::string value;     // column 1; pieces meant for further columns are not shown
    std::optional<Colour> colour;
};

struct FakeTree {
    std::vector<std::string> text;
    std::vector<std::optional<Colour>> colour;
    TreeShape shape;
    int selected = -1;
};

struct FakeControls {
    std::vector<FakeRow> rows;
    int selectedRow = -1;
    FakeTree hierarchy;
    FakeTree alphabetical;
    std::string title = "Ostrevo";
    std::vector<std::string> titles;                              // every title set, in order
    std::vector<std::pair<std::string, std::string>> messages;   // caption, text
    std::string queryField;
    int redrawSuspensions = 0;  // nesting depth of SuspendRowRedraw
    std::vector<std::string> log;
};

FakeControls& Fake();
void ResetFake();
FakeTree& FakeTreeFor(int tree);  // the hierarchy or the alphabetical tree; aborts for other numbers
