#pragma once
// The settings file: the seven option flags in section "Settings" and the
// ten score rows in section "Score", read once at start-up and written whole
// whenever the options or the table change.
#include <cstdint>

#include "game/options.h"
#include "store/scores.h"

class ProfileKeys;

// A bare name, so the Windows profile functions keep it in the Windows
// directory.
constexpr char kSettingsFile[] = "trelmo.ini";

// Called by start-up after the game state is reset. Fills the flags and all
// ten rows from `keys` and sets the shape count from Style. A row whose
// fields cannot all be read keeps the fields it had, so the table should be
// zeroed first. Never creates or changes the file.
void LoadSettings(ProfileKeys& keys, Options& options, ScoreTable& table, int32_t& shapeCount);

// Called after the options dialog is confirmed and after the table gains a
// row or is cleared. Writes the seven flags, then the ten rows, one key at
// a time. Returns whether every key was written; the Windows program
// ignores a failure, the Linux program tells the player.
bool SaveSettings(ProfileKeys& keys, const Options& options, const ScoreTable& table);

// The same two on a file of our own (ProfileFile, profile.h), whose writes
// reach it in one replacement of the whole file.
void LoadSettings(Options& options, ScoreTable& table, int32_t& shapeCount, const char* file);
bool SaveSettings(const Options& options, const ScoreTable& table, const char* file);

// Whether a profile is a settings file at all: one at least of its option
// keys or score rows is there, whatever its value. A file the player picks
// to load in the page's place is refused unless it is.
bool HoldsSettings(ProfileKeys& keys);
