#include <gtest/gtest.h>

#include <climits>

#include "query/number_text.h"

TEST(NumberText, DecimalIsSignedWithoutSeparatorsOrLeadingZeros) {
    EXPECT_EQ(DecimalText(0), "0");
    EXPECT_EQ(DecimalText(-1), "-1");
    EXPECT_EQ(DecimalText(7), "7");
    EXPECT_EQ(DecimalText(1000000), "1000000");
    EXPECT_EQ(DecimalText(INT_MAX), "2147483647");
    EXPECT_EQ(DecimalText(INT_MIN), "-2147483648");
}

TEST(NumberText, HexWidensNegativeCodesToSixteenDigits) {
    EXPECT_EQ(HexText(static_cast<std::int32_t>(0x8004100E)), "FFFFFFFF8004100E");
    EXPECT_EQ(HexText(static_cast<std::int32_t>(0x80070005)), "FFFFFFFF80070005");
    EXPECT_EQ(HexText(-1), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(HexText(INT_MIN), "FFFFFFFF80000000");
}

TEST(NumberText, HexOfPositiveCodesDropsLeadingZeros) {
    EXPECT_EQ(HexText(0), "0");
    EXPECT_EQ(HexText(1), "1");
    EXPECT_EQ(HexText(0x40001), "40001");
    EXPECT_EQ(HexText(0xABCDEF), "ABCDEF");
    EXPECT_EQ(HexText(INT_MAX), "7FFFFFFF");
}
