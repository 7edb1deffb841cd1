#pragma once
// Every call the module makes into the page's script. Each is one entry of
// web/page_calls.js, linked in as a JavaScript library, where its
// prototype stands above it. Texts are GBK and end with a zero byte.
#include <cstdint>

extern "C" {

// The canvas: a rectangle of the RGBA picture at `pixels` (the whole client
// area, 4 bytes a pixel), and a label drawn over it within its box.
void trelmo_page_copy_rect(const uint8_t* pixels, int x, int y, int width, int height);
void trelmo_page_draw_label(int x, int y, int width, int height, const char* gbk, int length);

// A main window's button at its place with its text; later its text (a
// null text keeps it) and whether it is enabled (1), disabled (-1) or as
// it was (0).
void trelmo_page_place_button(int button, int x, int y, int width, int height, const char* gbk);
void trelmo_page_set_button(int button, const char* gbk, int enabled);

// The gravity timer, every `milliseconds` from now, and stopped.
void trelmo_page_arm_timer(int milliseconds);
void trelmo_page_stop_timer();
// A wake-up `milliseconds` from now, in place of any other (none when
// negative): the page reports WakeUp then.
void trelmo_page_wake_up(int milliseconds);

// A request to carry out (commands/front_end.h), answered by `ticket`;
// the name entry comes with the name it offers, the others with null.
void trelmo_page_start_request(int request, int value, int ticket, const char* gbk);
// A window's action, a command (commands/commands.h): Hide, Restore,
// Exit, ShowAbout, ShowKeyHelp, ShowOptions, ShowHighScores or
// OpenMainMenu; the sheet's two come with the page it opens on.
void trelmo_page_open(int command, int page);

// The settings file's whole bytes, for the page's storage.
void trelmo_page_settings_saved(const char* bytes, int length);
// The game's record changed: 1 while a game goes on, plus 2 once an ended
// game can be shared. The page keeps the game in progress, asked with
// trelmo_kept_game, which answers with the script (null when there is none).
void trelmo_page_record_changed(int state);
void trelmo_page_kept_game(const char* script, int length);
// A game's script, for the page to share as a link (null when it has none).
void trelmo_page_share(const char* script, int length);
// The shared game being watched has run to its end.
void trelmo_page_watch_ended();

// The descriptions (web/page_input.h):
// a text the page shows outside the templates, by its name;
void trelmo_page_text(const char* name, const char* gbk);
// an icon or the hand cursor (`id` from resources/ids.h) as RGBA pixels;
void trelmo_page_picture(int id, const uint8_t* rgba, int width, int height);
// a sound's samples, 8-bit unsigned PCM, interleaved;
void trelmo_page_sound(int id, const uint8_t* samples, int length, int rate, int channels);
// an item of a popup menu, in order: a separator has id 0;
void trelmo_page_menu_item(int id, int greyed, const char* gbk);
// a cell of the score table, at the row's top: centred on x when
// `centred` is 1, else ending at x;
void trelmo_page_score_cell(int top, int x, int centred, const char* gbk);
// a control of the options dialog and whether it is checked, in the order
// the dialog's OK tells them back.
void trelmo_page_option_mark(int control, int checked);

// The information sheet for the page's font (trelmo_sheet): its margins
// and its buttons' size in pixels, then each page's title and template.
void trelmo_page_sheet_frame(int marginX, int marginY, int buttonWidth, int buttonHeight);
void trelmo_page_sheet_page(const char* gbkTitle, int templateId);

// A dialog template laid out in pixels (trelmo_dialog): its frame, then
// each control in order, its text as shown with the `underlineBytes` at
// byte `underline` underlined (-1 for none).
void trelmo_page_dialog_frame(const char* gbkCaption, int x, int y, int width, int height, int centred);
void trelmo_page_dialog_control(int kind, int id, int iconId, int x, int y, int width, int height, int startsGroup,
                                int tabStop, const char* gbk, int underline, int underlineBytes);
}
