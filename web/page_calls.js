// The module's calls into the page's script, each with its C prototype
// (web/page_calls.h) above it: the one place where C++ reaches JavaScript.
// The script puts the functions on Module.page before the game starts.
mergeInto(LibraryManager.library, {
  // void trelmo_page_copy_rect(const uint8_t* pixels, int x, int y, int width, int height);
  trelmo_page_copy_rect: function (pixels, x, y, width, height) {
    Module.page.copyRect(pixels, x, y, width, height);
  },
  // void trelmo_page_draw_label(int x, int y, int width, int height, const char* gbk, int length);
  trelmo_page_draw_label: function (x, y, width, height, gbk, length) {
    Module.page.drawLabel(x, y, width, height, gbk, length);
  },
  // void trelmo_page_place_button(int button, int x, int y, int width, int height, const char* gbk);
  trelmo_page_place_button: function (button, x, y, width, height, gbk) {
    Module.page.placeButton(button, x, y, width, height, gbk);
  },
  // void trelmo_page_set_button(int button, const char* gbk, int enabled);
  trelmo_page_set_button: function (button, gbk, enabled) {
    Module.page.setButton(button, gbk, enabled);
  },
  // void trelmo_page_arm_timer(int milliseconds);
  trelmo_page_arm_timer: function (milliseconds) {
    Module.page.armTimer(milliseconds);
  },
  // void trelmo_page_stop_timer();
  trelmo_page_stop_timer: function () {
    Module.page.stopTimer();
  },
  // void trelmo_page_start_request(int request, int value, int ticket);
  trelmo_page_start_request: function (request, value, ticket) {
    Module.page.startRequest(request, value, ticket);
  },
  // void trelmo_page_open(const char* what, int argument);
  trelmo_page_open: function (what, argument) {
    Module.page.open(UTF8ToString(what), argument);
  },
  // void trelmo_page_settings_saved(const char* bytes, int length);
  trelmo_page_settings_saved: function (bytes, length) {
    Module.page.settingsSaved(bytes, length);
  },
});
