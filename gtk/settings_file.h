#pragma once
// Where the Linux program keeps "trelmo.ini": $XDG_CONFIG_HOME/trelmo/, or
// ~/.config/trelmo/ when that is unset or not absolute. The folder is made
// at the first save.
#include <string>

#include "game/options.h"
#include "store/scores.h"

// configHome: $XDG_CONFIG_HOME (may be null); home: $HOME (may be null).
// Empty when neither gives an absolute folder.
std::string SettingsFilePath(const char* configHome, const char* home);

// SaveSettings into `file`, first making its folder (mode 0700) where it is
// missing. False when the file was not written, or there is none to write.
bool SaveSettingsFile(const Options& options, const ScoreTable& table, const char* file);
