#include "tests/fakes/fake_controls.h"

#include <algorithm>
#include <cstdlib>

#include "ui/row_split.h"

namespace {

FakeControls state;

bool IsTree(int tree) { return tree == HierarchyTree || tree == AlphabeticalTree; }

}  // namespace

FakeControls& Fake() { return state; }

void ResetFake() { state = FakeControls(); }

FakeTree& FakeTreeFor(int tree) {
    if (tree == HierarchyTree) return state.hierarchy;
    if (tree == AlphabeticalTree) return state.alphabetical;
    std::abort();
}

bool AppendRow(const std::string& text) {
    state.log.push_back("AppendRow " + text);
    const std::vector<std::string> columns = SplitRow(text);
    state.rows.push_back({columns[0], columns.size() > 1 ? columns[1] : std::string(), std::nullopt});
    return true;
}

void SetRowColour(int row, Colour colour) {
    state.log.push_back("SetRowColour " + std::to_string(row));
    if (row >= 0 && row < RowCount()) state.rows[row].colour = colour;
}

int RowCount() { return static_cast<int>(state.rows.size()); }

void ClearRows() {
    state.log.push_back("ClearRows");
    state.rows.clear();
}

void RemoveRow(int row) {
    state.log.push_back("RemoveRow " + std::to_string(row));
    if (row >= 0 && row < RowCount()) state.rows.erase(state.rows.begin() + row);
}

void AppendCellText(int row, int column, std::string& text) {
    if (row < 0 || row >= RowCount()) return;
    if (column == 0) text += state.rows[row].property;
    if (column == 1) text += state.rows[row].value;
}

std::size_t CellTextInto(int row, int column, char* into, std::size_t room) {
    std::string text;
    AppendCellText(row, column, text);
    return text.copy(into, std::min(text.size(), room - 1));
}

int SelectedRow() { return state.selectedRow; }

void SuspendRowRedraw() {
    state.log.push_back("SuspendRowRedraw");
    ++state.redrawSuspensions;
}

void ResumeRowRedraw() {
    state.log.push_back("ResumeRowRedraw");
    --state.redrawSuspensions;
}

void SetMainTitle(const std::string& text) {
    state.log.push_back("SetMainTitle " + text);
    state.title = text;
    state.titles.push_back(text);
}

void ShowMessage(const std::string& caption, const std::string& text) {
    state.log.push_back("ShowMessage " + caption + " " + text);
    state.messages.emplace_back(caption, text);
}

void AppendTreeItem(int tree, const std::string& text, int level) {
    state.log.push_back("AppendTreeItem " + std::to_string(tree) + " " + text + " " + std::to_string(level));
    if (!IsTree(tree)) return;
    FakeTree& t = FakeTreeFor(tree);
    AppendToShape(t.shape, level);
    t.text.push_back(text);
    t.colour.emplace_back();
}

void SuspendTreeRedraw(int tree) { state.log.push_back("SuspendTreeRedraw " + std::to_string(tree)); }

void ResumeTreeRedraw(int tree) { state.log.push_back("ResumeTreeRedraw " + std::to_string(tree)); }

int TreeItemCount(int tree) {
    return IsTree(tree) ? static_cast<int>(FakeTreeFor(tree).text.size()) : 0;
}

void SetTreeItemColour(int tree, int index, Colour colour) {
    state.log.push_back("SetTreeItemColour " + std::to_string(tree) + " " + std::to_string(index));
    if (IsTree(tree) && index >= 0 && index < TreeItemCount(tree)) FakeTreeFor(tree).colour[index] = colour;
}

int SelectedTreeItem(int tree) { return IsTree(tree) ? FakeTreeFor(tree).selected : -1; }

std::string TreeItemText(int tree, int index) {
    if (!IsTree(tree) || index < 0 || index >= TreeItemCount(tree)) return std::string();
    return FakeTreeFor(tree).text[index].substr(0, 4095);
}

std::string QueryFieldText() { return state.queryField; }
