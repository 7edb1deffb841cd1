#pragma once
// Runs a trelmo-sim script: one command a line, output to `out`. Returns the
// exit code: 0 when the script ran to its end or to a quit, 2 after writing a
// one-line message naming the line to `err` for a line it cannot parse.
#include <cstdio>

int RunScript(FILE* in, FILE* out, FILE* err);
