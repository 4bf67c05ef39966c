#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The seven controls. A control's number is also its window identifier; the main window is window 0.
enum ControlNumber : int {
    ResultList = 0,
    ViewTabs = 1,
    HierarchyTree = 2,
    AlphabeticalTree = 3,
    CustomHint = 4,
    CustomQueryField = 5,
    ExecuteButton = 6,
};

// A text colour in the 0x00BBGGRR form.
using Colour = std::uint32_t;

// Catalogue headings and the "Item #" rows of the ResultList: red 0, green 0, blue 0x90.
constexpr Colour HeadingColour = 0x900000;

// Operations on the controls, called on the user-interface thread. None of them forces an
// immediate repaint; an index outside the current range does nothing, or gives -1 or "".

// ResultList rows. A row's text is split into columns at its line feeds. A row is added whole or
// not at all: false when the list refuses it, as it does once memory runs out.
bool AppendRow(const std::string& text);
void SetRowColour(int row, Colour colour);
int RowCount();
void ClearRows();
void RemoveRow(int row);
// Appends the whole text of a cell, as the list holds it (column 0 the Property, 1 the Value), to
// `text`; nothing for a row or column the list does not have.
void AppendCellText(int row, int column, std::string& text);
// Reads a cell's text into `into`, which has room for `room` bytes with a NUL, and gives its length;
// a NUL after it is not promised, and a longer text is cut. Nothing for a row or column the list
// does not have.
std::size_t CellTextInto(int row, int column, char* into, std::size_t room);
// The selected row, or -1.
int SelectedRow();

// Writing many rows into a visible list costs a scroll-bar repaint per row; a caller that writes
// many suspends the list's redraw first and resumes it afterwards, which invalidates the list.
// Resuming a list that is not suspended does nothing; ShowMessage resumes it before its box goes up.
void SuspendRowRedraw();
void ResumeRowRedraw();

void SetMainTitle(const std::string& text);
void ShowMessage(const std::string& caption, const std::string& text);

// Tree items, numbered from 0 in the order they were appended.
void AppendTreeItem(int tree, const std::string& text, int level);
// A tree that gets many items at its top level updates its scroll bars for every one; a caller that
// appends many suspends the tree's redraw first and resumes it afterwards, which invalidates the tree.
void SuspendTreeRedraw(int tree);
void ResumeTreeRedraw(int tree);
int TreeItemCount(int tree);
void SetTreeItemColour(int tree, int index, Colour colour);
int SelectedTreeItem(int tree);
std::string TreeItemText(int tree, int index);

std::string QueryFieldText();
