// The program's GBK text on its way to and from the system as UTF-16,
// whatever the system's own code page.
#include <gtest/gtest.h>

#include <cstring>

#include "resources/texts.h"
#include "tests/support/texts.h"
#include "win32/text.h"

namespace {

TEST(Text, GbkWidensToTheSameCharactersOnEveryCodePage) {
    const WideText label = Widen(kStartRowsText);  // 起始行数:
    EXPECT_EQ(label.length, 5);
    EXPECT_EQ(std::wstring(label.text), L"\u8d77\u59cb\u884c\u6570:");
    // A count of bytes, as the labels are written: the first two characters.
    EXPECT_EQ(std::wstring(Widen(kStartRowsText, 4).text), L"\u8d77\u59cb");
}

TEST(Text, ANameComesBackAsItsGbkBytes) {
    char gbk[19];
    Narrow(L"\u5f20\u4e09\u4e30", gbk, sizeof gbk);  // 张三丰
    EXPECT_STREQ(gbk, ZHANG_SAN_FENG);
    EXPECT_EQ(std::strlen(gbk), 6u);
}

TEST(Text, ACharacterGbkCannotHoldBecomesAQuestionMark) {
    char gbk[19];
    Narrow(L"a\u0e01b", gbk, sizeof gbk);  // a Thai letter between two Latin ones
    EXPECT_STREQ(gbk, "a?b");
}

TEST(Text, ACutNeverHalvesADoubleByteCharacter) {
    char gbk[6];  // five bytes and the terminator
    Narrow(L"\u5f20\u4e09\u4e30", gbk, sizeof gbk);
    EXPECT_STREQ(gbk, ZHANG_SAN);
    char tiny[1];
    Narrow(L"\u5f20", tiny, sizeof tiny);
    EXPECT_STREQ(tiny, "");
}

TEST(Text, ATextLongerThanTheBufferKeepsItsFirstCharacters) {
    std::string many;
    for (int i = 0; i < 200; ++i) many += HANG;
    const WideText wide = Widen(many.c_str());
    EXPECT_EQ(wide.length, 127);
    EXPECT_EQ(wide.text[126], L'\u884c');
    EXPECT_EQ(wide.text[127], L'\0');
}

}  // namespace
