#include "store/row_scan.h"

namespace {

// White space of the "C" locale.
bool IsScanSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void SkipSpace(const char*& p) {
    while (IsScanSpace(*p)) ++p;
}

bool ScanNumber(const char*& p, int32_t& number) {
    SkipSpace(p);
    const char* q = p;
    const bool negative = *q == '-';
    if (*q == '-' || *q == '+') ++q;
    if (!IsDigit(*q)) return false;
    const int64_t limit = negative ? INT64_C(2147483648) : INT64_C(2147483647);
    int64_t magnitude = 0;
    for (; IsDigit(*q); ++q) {
        magnitude = magnitude * 10 + (*q - '0');
        if (magnitude > limit) magnitude = limit;
    }
    number = static_cast<int32_t>(negative ? -magnitude : magnitude);
    p = q;
    return true;
}

bool ScanComma(const char*& p) {
    if (*p != ',') return false;
    ++p;
    return true;
}

}  // namespace

ScannedRow ScanScoreRow(const char* text) {
    ScannedRow row{0, 0, 0, nullptr, 0};
    const char* p = text;
    if (!ScanNumber(p, row.score)) return row;
    row.fields = 1;
    if (!ScanComma(p) || !ScanNumber(p, row.lines)) return row;
    row.fields = 2;
    if (!ScanComma(p)) return row;
    SkipSpace(p);
    if (*p == '\0') return row;
    row.name = p;
    while (*p != '\0' && !IsScanSpace(*p)) ++p;
    row.nameLength = static_cast<size_t>(p - row.name);
    row.fields = 3;
    return row;
}
