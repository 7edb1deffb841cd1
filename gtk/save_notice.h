#pragma once
// Saving the settings from the Linux program's dialogs. A save that fails
// (a read-only file or folder, a full disk, a folder in the file's place)
// is told to the player once a run, naming the file; the game goes on, and
// the next save tries again.
#include <gtk/gtk.h>

#include "game/options.h"
#include "store/scores.h"

// SaveSettingsFile, then the notice over `parent` when it failed and no
// notice has been shown yet in this run.
void SaveSettingsOrTell(GtkWindow* parent, const Options& options, const ScoreTable& table, const char* file);
