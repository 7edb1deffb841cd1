#include <gtest/gtest.h>

#include <cstring>

#include "store/gbk.h"
#include "tests/support/texts.h"

namespace {

TEST(GbkPrefix, ShortTextIsCopiedWhole) {
    char out[20];
    CopyGbkPrefix(out, "abc", 17);
    EXPECT_STREQ(out, "abc");
    CopyGbkPrefix(out, "", 17);
    EXPECT_STREQ(out, "");
}

TEST(GbkPrefix, CutFallsOnACharacterBoundary) {
    char out[20];
    // Four characters, eight bytes; a five-byte cut keeps two characters.
    CopyGbkPrefix(out, ZHANG_SAN LI_SI, 5);
    EXPECT_EQ(std::strlen(out), 4u);
    EXPECT_EQ(std::memcmp(out, ZHANG_SAN, 4), 0);
    CopyGbkPrefix(out, "a" ZHANG_SAN, 4);
    EXPECT_STREQ(out, "a" ZHANG);
    CopyGbkPrefix(out, "a" ZHANG_SAN, 5);
    EXPECT_STREQ(out, "a" ZHANG_SAN);
}

TEST(GbkPrefix, LoneLeadByteAtTheEndOfTheTextIsKept) {
    char out[20];
    CopyGbkPrefix(out, "ab\x81", 17);  // nothing follows it to pair with
    EXPECT_STREQ(out, "ab\x81");
}

TEST(GbkPrefix, AsciiIsCutExactly) {
    char out[20];
    CopyGbkPrefix(out, "0123456789ABCDEFGHIJ", 19);
    EXPECT_STREQ(out, "0123456789ABCDEFGHI");
}

}  // namespace
