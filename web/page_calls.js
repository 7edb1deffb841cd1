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
  // void trelmo_page_wake_up(int milliseconds);
  trelmo_page_wake_up: function (milliseconds) {
    Module.page.wakeUp(milliseconds);
  },
  // void trelmo_page_start_request(int request, int value, int ticket, const char* gbk);
  trelmo_page_start_request: function (request, value, ticket, gbk) {
    Module.page.startRequest(request, value, ticket, gbk);
  },
  // void trelmo_page_open(int command, int page);
  trelmo_page_open: function (command, page) {
    Module.page.open(command, page);
  },
  // void trelmo_page_settings_saved(const char* bytes, int length);
  trelmo_page_settings_saved: function (bytes, length) {
    Module.page.settingsSaved(bytes, length);
  },
  // void trelmo_page_record_changed(int state);
  trelmo_page_record_changed: function (state) {
    Module.page.recordChanged(state);
  },
  // void trelmo_page_kept_game(const char* script, int length);
  trelmo_page_kept_game: function (script, length) {
    Module.page.keptGame(script, length);
  },
  // void trelmo_page_share(const char* script, int length);
  trelmo_page_share: function (script, length) {
    Module.page.share(script, length);
  },
  // void trelmo_page_watch_ended();
  trelmo_page_watch_ended: function () {
    Module.page.watchEnded();
  },
  // void trelmo_page_text(const char* name, const char* gbk);
  trelmo_page_text: function (name, gbk) {
    Module.page.text(name, gbk);
  },
  // void trelmo_page_picture(int id, const uint8_t* rgba, int width, int height);
  trelmo_page_picture: function (id, rgba, width, height) {
    Module.page.picture(id, rgba, width, height);
  },
  // void trelmo_page_sound(int id, const uint8_t* samples, int length, int rate, int channels);
  trelmo_page_sound: function (id, samples, length, rate, channels) {
    Module.page.sound(id, samples, length, rate, channels);
  },
  // void trelmo_page_menu_item(int id, int greyed, const char* gbk);
  trelmo_page_menu_item: function (id, greyed, gbk) {
    Module.page.menuItem(id, greyed, gbk);
  },
  // void trelmo_page_score_cell(int top, int x, int centred, const char* gbk);
  trelmo_page_score_cell: function (top, x, centred, gbk) {
    Module.page.scoreCell(top, x, centred, gbk);
  },
  // void trelmo_page_option_mark(int control, int checked);
  trelmo_page_option_mark: function (control, checked) {
    Module.page.optionMark(control, checked);
  },
  // void trelmo_page_sheet_frame(int marginX, int marginY, int buttonWidth, int buttonHeight);
  trelmo_page_sheet_frame: function (marginX, marginY, buttonWidth, buttonHeight) {
    Module.page.sheetFrame(marginX, marginY, buttonWidth, buttonHeight);
  },
  // void trelmo_page_sheet_page(const char* gbkTitle, int templateId);
  trelmo_page_sheet_page: function (gbkTitle, templateId) {
    Module.page.sheetPage(gbkTitle, templateId);
  },
  // void trelmo_page_dialog_frame(const char* gbkCaption, int x, int y, int width, int height, int centred);
  trelmo_page_dialog_frame: function (gbkCaption, x, y, width, height, centred) {
    Module.page.dialogFrame(gbkCaption, x, y, width, height, centred);
  },
  // void trelmo_page_dialog_control(int kind, int id, int iconId, int x, int y, int width, int height, int startsGroup, int tabStop, const char* gbk, int underline, int underlineBytes);
  trelmo_page_dialog_control: function (kind, id, iconId, x, y, width, height, startsGroup, tabStop, gbk, underline, underlineBytes) {
    Module.page.dialogControl(kind, id, iconId, x, y, width, height, startsGroup, tabStop, gbk, underline, underlineBytes);
  },
});
