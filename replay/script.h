#pragma once
// The language of a game's script, one line at a time: what trelmo-sim
// reads, what the page keeps of a game in progress and shares as a link.
// A line is a verb and its words; `#` starts a comment, blank lines say
// nothing.
#include <cstdint>

#include "store/option_keys.h"

constexpr int kMaxLine = 4096;  // bytes of one script line

enum class Verb : uint8_t {
    // What the player and the window do to the game.
    Seed, Set, New, Tick, Left, Right, Rotate, Down, Release, Pause, Deactivate, Activate,
    SpeedUp, SpeedDown, RowsUp, RowsDown, MaxSpeed, MaxRows,
    // The driver's own: how questions are answered, what it prints.
    Answer, Name, Clear, Dump, Scores, Layout, Trace,
    // Lines that read or write a file.
    Render, Load, Save,
};

struct ScriptLine {
    Verb verb;
    // Seed: the seed; Tick: the count; Set: the value; Down, Answer and
    // Trace: 1 for `ctrl`, `yes` and `on`.
    uint32_t number;
    const OptionKey* option;  // Set
    const char* text;         // Name, Render, Load, Save: the rest of the line
};

enum class LineRead { Step, Blank, Bad };

// Reads one line of at most kMaxLine bytes; `text` is changed in place and
// `line.text` points into a copy that lasts until the next call. Bad: the
// line cannot be parsed and *problem says why.
LineRead ReadScriptLine(char* text, ScriptLine& line, const char** problem);

// The line of `script` (`length` bytes) that starts at byte `at`, copied
// into `line` without its newline, `at` moved past it; false at the end.
// A line longer than kMaxLine is cut there and `tooLong` says so.
bool NextScriptLine(const char* script, int length, int& at, char (&line)[kMaxLine + 2], bool& tooLong);

// The verbs whose lines touch files: a shared game holds none.
bool IsFileVerb(Verb verb);

// The verbs that act on the game (Seed to MaxRows).
bool IsGameVerb(Verb verb);

// The line of a game verb with its newline, as ReadScriptLine reads it
// back; its length, or 0 when `capacity` has no room for it and a zero.
int WriteScriptLine(const ScriptLine& line, char* out, int capacity);
