#include <gtest/gtest.h>

#include <string>

#include "query/statement.h"

TEST(StatementFor, ClassNamesInAnyCaseArePrefixed) {
    EXPECT_EQ(StatementFor("Win32_Fan"), "SELECT * FROM Win32_Fan");
    EXPECT_EQ(StatementFor("WIN32_FAN"), "SELECT * FROM WIN32_FAN");
    EXPECT_EQ(StatementFor("win32_fan"), "SELECT * FROM win32_fan");
    EXPECT_EQ(StatementFor("wIn32_"), "SELECT * FROM wIn32_");
    // Only the first six bytes count; what follows is kept as typed.
    EXPECT_EQ(StatementFor("Win32_BIOS where x = 1"), "SELECT * FROM Win32_BIOS where x = 1");
}

TEST(StatementFor, OtherTextsGoAsTyped) {
    EXPECT_EQ(StatementFor(" Win32_BIOS"), " Win32_BIOS");
    EXPECT_EQ(StatementFor("Select Caption, Name from Win32_OperatingSystem"),
              "Select Caption, Name from Win32_OperatingSystem");
    EXPECT_EQ(StatementFor("SELECT * FROM Win32_BIOS"), "SELECT * FROM Win32_BIOS");
    EXPECT_EQ(StatementFor("Win32"), "Win32");
    EXPECT_EQ(StatementFor("win32"), "win32");
    EXPECT_EQ(StatementFor("Win32-Fan"), "Win32-Fan");
    EXPECT_EQ(StatementFor("CIM_Fan"), "CIM_Fan");
    EXPECT_EQ(StatementFor(""), "");
    EXPECT_EQ(StatementFor(std::string("win32\0_", 7)), std::string("win32\0_", 7));
}

TEST(ShowAllFor, AnyStarAnywhere) {
    EXPECT_TRUE(ShowAllFor("SELECT * FROM Win32_BIOS"));
    EXPECT_TRUE(ShowAllFor("Select Name from Win32_Process where Name like '*'"));
    EXPECT_TRUE(ShowAllFor("*"));
    EXPECT_FALSE(ShowAllFor("Select Name from Win32_Process"));
    EXPECT_FALSE(ShowAllFor(""));
}
