// What the copy keys take out of the ResultList, over fake rows.
#include <gtest/gtest.h>

#include <string>

#include "tests/fakes/fake_controls.h"
#include "ui/copy_text.h"

namespace {

// The text as measured, then written into just that room; a room the rows outgrew is refused.
std::string ResultListCopyText(bool everyRow) {
    const std::size_t size = ResultListCopySize(everyRow).value_or(0);
    std::string text(size + 1, '#');
    EXPECT_TRUE(size == 0 || !WriteResultListCopy(everyRow, &text[0], size - 1));
    EXPECT_TRUE(WriteResultListCopy(everyRow, &text[0], size));
    return text.substr(0, size);
}

}  // namespace

TEST(CopyText, RowsPasteAsTwoColumnsAndAsLines) {
    ResetFake();
    EXPECT_EQ(ResultListCopyText(true), "") << "no rows";
    // As RunQuery writes them: a long value, a separator, a heading, values cut at LF, one at CRLF.
    const std::string value(5000, 'v');
    AppendRow("Name\n" + value);
    for (const char* row : {"", "Item #2", "\nonly", "Caption\nfirst\nsecond", "Status\nOK\r\nnext"}) AppendRow(row);
    const std::string every = "Name\t" + value + "\r\n\t\r\nItem #2\t\r\n\tonly\r\nCaption\tfirst\r\nStatus\tOK\r\n";
    EXPECT_EQ(ResultListCopyText(false), every) << "no row selected";
    Fake().selectedRow = 0;
    EXPECT_EQ(ResultListCopyText(false), "Name\t" + value + "\r\n");
    EXPECT_EQ(ResultListCopyText(true), every) << "every row, whatever is selected";
}
