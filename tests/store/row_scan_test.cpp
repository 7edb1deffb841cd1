#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "store/row_scan.h"
#include "tests/support/texts.h"

namespace {

// Within the 32-bit range the scanner must agree with the C library's own
// formatted scan, field by field.
TEST(ScoreRowScan, AgreesWithTheLibraryScanOnThePattern) {
    const char* texts[] = {
        "500,3,Li Ming", "120",       "",          "   ",       "abc",        "-7,+8,n",
        "+,1,x",         "5 ,6,n",    " 5, 6, n",  "5,6,",      "5,6,  ",     "5,6,\tname\tmore",
        "0,0,",          ("1,2," ZHANG_SAN), "00012,0003,x", "-0,-0,-", "1,,x",       ",1,x",
        "1,2,3,4",       "12abc,4,x", "7,-,x",     "\n\v\f\r9,9,\n\vz", "2147483647,-2147483648,max",
    };
    for (const char* text : texts) {
        int score = -12345, lines = -12345;
        char name[80] = "";
        const int converted = std::sscanf(text, "%d,%d,%79s", &score, &lines, name);
        const ScannedRow row = ScanScoreRow(text);
        EXPECT_EQ(row.fields, converted < 0 ? 0 : converted) << text;
        if (row.fields >= 1) {
            EXPECT_EQ(row.score, score) << text;
        }
        if (row.fields >= 2) {
            EXPECT_EQ(row.lines, lines) << text;
        }
        if (row.fields >= 3) {
            EXPECT_EQ(std::string(row.name, row.nameLength), name) << text;
        }
    }
}

TEST(ScoreRowScan, NumbersBeyondThe32BitRangeStopAtTheLimit) {
    ScannedRow row = ScanScoreRow("99999999999,-99999999999,x");
    ASSERT_EQ(row.fields, 3);
    EXPECT_EQ(row.score, INT32_MAX);
    EXPECT_EQ(row.lines, INT32_MIN);
    row = ScanScoreRow("2147483648,-2147483649,y");
    EXPECT_EQ(row.score, INT32_MAX);
    EXPECT_EQ(row.lines, INT32_MIN);
    const std::string manyDigits = std::string(300, '9') + ",1,z";
    row = ScanScoreRow(manyDigits.c_str());
    ASSERT_EQ(row.fields, 3);
    EXPECT_EQ(row.score, INT32_MAX);
    EXPECT_EQ(row.lines, 1);
}

}  // namespace
