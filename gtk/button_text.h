#pragma once
// The main window's buttons keep the fixed boxes of the Windows program's;
// a large desktop text scale must not grow them into each other.
#include <gtk/gtk.h>

// Sets the button's text (UTF-8) in the desktop's font, made smaller should
// it not fit within the border of a width x height button.
void SetButtonText(GtkWidget* button, const char* text, int width, int height);
