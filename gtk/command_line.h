#pragma once
// What the command line asks of the program before it opens a window:
// play, or print the usage or the version and end.
#include <cstdio>

enum class Launch { Play, Help, Version, Unknown };

Launch ReadCommandLine(int argc, char** argv);
// The usage, or the version line, on `out`.
void PrintUsage(std::FILE* out);
void PrintVersion(std::FILE* out);
// The one line that tells why the program cannot start: no display, or
// `display` (the DISPLAY variable, null when unset) cannot be opened.
void PrintNoDisplay(std::FILE* out, const char* display);
