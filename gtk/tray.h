#pragma once
// Hiding to the notification icon (XEmbed, as GtkStatusIcon offers it) and
// coming back. A desktop without a notification area keeps the hidden
// window iconified on its taskbar or dock instead.
struct Program;

// Hides the window and shows the one icon; the window, once hidden, stays
// as it is.
void HideToTray(Program& program);
// Removes the icon and shows the window where it was, active.
void RestoreFromTray(Program& program);
void RemoveTrayIcon(Program& program);
