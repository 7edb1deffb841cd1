#pragma once
// Every call the module makes into the page's script. Each is one entry of
// web/page_calls.js, linked in as a JavaScript library, where its
// prototype stands above it.
#include <cstdint>

extern "C" {

// The canvas: a rectangle of the RGBA picture at `pixels` (the whole client
// area, 4 bytes a pixel), and a label drawn over it within its box.
void trelmo_page_copy_rect(const uint8_t* pixels, int x, int y, int width, int height);
void trelmo_page_draw_label(int x, int y, int width, int height, const char* gbk, int length);

// A main window's button at its place with its GBK text; later its text (a
// null text keeps it) and whether it is enabled (1), disabled (-1) or as
// it was (0).
void trelmo_page_place_button(int button, int x, int y, int width, int height, const char* gbk);
void trelmo_page_set_button(int button, const char* gbk, int enabled);

// The gravity timer, every `milliseconds` from now, and stopped.
void trelmo_page_arm_timer(int milliseconds);
void trelmo_page_stop_timer();

// A request to carry out (commands/front_end.h), answered by `ticket`.
void trelmo_page_start_request(int request, int value, int ticket);
// A window's action: "hide", "restore", "exit", "sheet" (on page
// `argument`), "options", "table" or "menu".
void trelmo_page_open(const char* what, int argument);

// The settings file's whole bytes, for the page's storage.
void trelmo_page_settings_saved(const char* bytes, int length);
}
