#pragma once
// A score row's text read field by field with the pattern "%d,%d,%s", the
// way the C library's formatted scan reads it, but the same on every
// platform and with no undefined behaviour.
#include <cstddef>
#include <cstdint>

struct ScannedRow {
    int fields;           // 0 to 3: the fields read before the first that failed
    int32_t score;        // valid when fields >= 1
    int32_t lines;        // valid when fields >= 2
    const char* name;     // valid when fields == 3: points into the text,
    size_t nameLength;    // not terminated
};

// Each number skips white space, takes an optional sign and at least one
// digit; a number beyond the 32-bit range is held at the nearest limit.
// Each comma must follow at once. The name skips white space and runs to
// the next white space or the end; it fails when nothing is left.
ScannedRow ScanScoreRow(const char* text);
