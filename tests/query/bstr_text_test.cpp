#include <gtest/gtest.h>

#include <string>

#include <windows.h>

#include "query/bstr_text.h"

namespace {

// The code page's own replacement for a character it lacks.
std::string DefaultCharacter() {
    CPINFO info = {};
    GetCPInfo(CP_ACP, &info);
    return std::string(1, static_cast<char>(info.DefaultChar[0]));
}

std::wstring Text(BSTR bstr) { return std::wstring(bstr, SysStringLen(bstr)); }

}  // namespace

TEST(ToBstr, ConvertsWholeTextsIntoNewStrings) {
    BSTR namespaceName = ToBstr("root\\cimv2");
    EXPECT_EQ(Text(namespaceName), L"root\\cimv2");
    SysFreeString(namespaceName);

    const std::string longText(100000, 'q');
    BSTR longBstr = ToBstr(longText + "!");
    ASSERT_NE(longBstr, nullptr);
    EXPECT_EQ(SysStringLen(longBstr), 100001u);
    EXPECT_EQ(Text(longBstr), std::wstring(100000, L'q') + L"!");
    SysFreeString(longBstr);
}

TEST(ToBstr, EmptyTextGivesAnEmptyStringNotNull) {
    BSTR empty = ToBstr("");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(SysStringLen(empty), 0u);
    EXPECT_EQ(empty[0], L'\0');
    SysFreeString(empty);
}

TEST(ToBstr, EndsAtTheFirstNul) {
    BSTR cut = ToBstr(std::string("ab\0cd", 5));
    EXPECT_EQ(Text(cut), L"ab");
    SysFreeString(cut);
}

TEST(FromBstr, NullAndEmptyGiveTheEmptyText) {
    EXPECT_EQ(FromBstr(nullptr), "");
    BSTR empty = SysAllocString(L"");
    EXPECT_EQ(FromBstr(empty), "");
    SysFreeString(empty);
}

TEST(FromBstr, ConvertsUpToTheTerminatingNul) {
    BSTR plain = SysAllocString(L"The Wine Project");
    EXPECT_EQ(FromBstr(plain), "The Wine Project");
    SysFreeString(plain);
    BSTR withNul = SysAllocStringLen(L"ab\0cd", 5);
    EXPECT_EQ(FromBstr(withNul), "ab");
    SysFreeString(withNul);

    BSTR longBstr = SysAllocStringLen(nullptr, 100000);
    for (int i = 0; i < 100000; ++i) longBstr[i] = static_cast<wchar_t>(L'a' + i % 26);
    const std::string longText = FromBstr(longBstr);
    ASSERT_EQ(longText.size(), 100000u);
    EXPECT_EQ(longText.substr(0, 3), "abc");
    EXPECT_EQ(longText.substr(99998), "cd");  // 99998 % 26 == 2
    SysFreeString(longBstr);
}

TEST(FromBstr, CharactersOutsideTheCodePageBecomeItsDefaultCharacter) {
    BSTR mixed = SysAllocString(L"x\u4E2Dy\u0416");
    EXPECT_EQ(FromBstr(mixed), "x" + DefaultCharacter() + "y" + DefaultCharacter());
    SysFreeString(mixed);
}

TEST(BstrText, CodePageCharactersRoundTrip) {
    if (GetACP() != 1252) GTEST_SKIP() << "needs the Western code page, this one is " << GetACP();
    BSTR accented = ToBstr("Caf\xE9 \xDC");
    EXPECT_EQ(Text(accented), L"Caf\u00E9 \u00DC");
    EXPECT_EQ(FromBstr(accented), "Caf\xE9 \xDC");
    SysFreeString(accented);
}
