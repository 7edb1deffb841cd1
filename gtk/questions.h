#pragma once
// The two questions of the game: the replay question of a game over, and
// the exit confirmation.
#include <gtk/gtk.h>

struct Program;

// Modal over `parent`, with the question icon, Yes and No; true unless the
// answer is No. Esc and the close box do not answer it.
bool AskQuestion(GtkWindow* parent, const char* text, const char* title);
// "确定要退出游戏吗?" with icon 103. The box has no owner: the game window
// stays usable behind it. True only for Yes; Esc and the close box keep the
// game.
bool AskToExit(Program& program);
