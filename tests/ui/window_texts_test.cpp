#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/ui/window_fixture.h"
#include "ui/window_state.h"

TEST(WindowTexts, TitleIsSetAtOnce) {
    ASSERT_TRUE(MakeWindow(false));
    SetMainTitle("Ostrevo  -  retrieving data from Win32_BIOS");
    EXPECT_EQ(WindowText(Window().main), "Ostrevo  -  retrieving data from Win32_BIOS");
    SetMainTitle("Ostrevo");
    EXPECT_EQ(WindowText(Window().main), "Ostrevo");
}

TEST(WindowTexts, QueryFieldGivesItsWholeTextUnchanged) {
    ASSERT_TRUE(MakeWindow(false));
    EXPECT_EQ(QueryFieldText(), "");
    const HWND field = Control(CustomQueryField);
    SetWindowTextA(field, "  Select * from Win32_BIOS ");
    EXPECT_EQ(QueryFieldText(), "  Select * from Win32_BIOS ");

    std::string longText(100000, 'a');
    for (std::size_t i = 0; i < longText.size(); i += 7) longText[i] = static_cast<char>('A' + i % 26);
    SetWindowTextA(field, longText.c_str());
    ASSERT_EQ(GetWindowTextLengthA(field), 100000) << "the field has no text limit for set texts";
    EXPECT_EQ(QueryFieldText(), longText);
}
