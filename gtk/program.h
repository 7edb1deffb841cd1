#pragma once
// The one set of state the Linux program keeps, owned by main and handed to
// every signal handler.
#include <gtk/gtk.h>

#include <string>

#include "game/state.h"
#include "gtk/gtk_host.h"
#include "gtk/screen.h"
#include "gtk/sound.h"
#include "store/scores.h"

struct MenuTable;

struct Program {
    Game game = {};
    ScoreTable scores = {};
    std::string settingsFile;  // empty when there is no home to keep it in
    GtkWidget* window = nullptr;
    GtkWidget* buttons[kButtonCount] = {};
    Screen screen;
    Sounds sounds;
    GdkCursor* hand = nullptr;
    bool handShown = false;
    guint gravityTimer = 0;     // the GLib source, 0 while stopped
    GtkWidget* menu = nullptr;  // the popup menu on screen, if any
    const MenuTable* menuTable = nullptr;  // its items
    int menuGreyedHighlight = -1;          // a greyed item the keys highlighted: GTK shows none
    GtkStatusIcon* trayIcon = nullptr;
    bool hidden = false;            // hidden to the icon, or iconified in its place
    bool iconifiedAsHidden = false;  // no notification area: hiding iconified the window
    int shownX = 0, shownY = 0;     // where the window was before it hid
    GtkWidget* exitBox = nullptr;    // the exit confirmation, while open
    bool shutDown = false;
    GtkHost host{*this};
    Dispatcher dispatcher{game, host, &scores};
};
