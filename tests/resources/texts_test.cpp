// The texts reach every compiler as GBK byte escapes made from the UTF-8
// tables, so their bytes are the same whichever compiler built this.
#include <gtest/gtest.h>

#include <string>

#include "resources/texts.h"
#include "tests/support/texts.h"

namespace {

std::string Bytes(const char* text) { return text; }

TEST(Texts, AreGbkWhateverTheCompiler) {
    EXPECT_EQ(sizeof kNextText, 8u);  // seven bytes and the terminator
    EXPECT_EQ(Bytes(kNextText), "\xCF\xC2\xD2\xBB\xB8\xF6\x3A");  // 下一个:
    EXPECT_EQ(Bytes(kExitItem), "\xCD\xCB\xB3\xF6");              // 退出
    // ASCII after a double-byte character stays its own byte.
    EXPECT_EQ(Bytes(kStartText), "\xBF\xAA\xCA\xBC(F2)");          // 开始(F2)
    EXPECT_EQ(Bytes(kSheetCaption), "Trelmo\xD0\xC5\xCF\xA2");     // Trelmo信息
    EXPECT_EQ(Bytes(kReplayQuestion),
              "\xD4\xD9\xCA\xD4\xD2\xBB\xB4\xCE\xC2\xF0? "
              "\xB0\xB4\xC8\xA1\xCF\xFB\xB0\xB4\xC5\xA5\xCD\xCB\xB3\xF6");  // 再试一次吗? 按取消按钮退出
}

TEST(Texts, TheTestsOwnSpliceIntoLiterals) {
    EXPECT_EQ(Bytes("1,2," ZHANG_SAN), "1,2,\xD5\xC5\xC8\xFD");  // 张三
    EXPECT_EQ(Bytes(ZHANG ZHANG), "\xD5\xC5\xD5\xC5");
}

}  // namespace
