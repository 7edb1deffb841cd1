#include "gtk/save_notice.h"

#include <string>

#include "gtk/settings_file.h"
#include "gtk/text.h"
#include "resources/texts.h"

namespace {

// A box with the warning icon and one OK; the game waits behind it.
void TellSaveFailed(GtkWindow* parent, const char* file) {
    // The file's name in the system's encoding, shown as UTF-8.
    gchar* shownName = g_filename_display_name(file);
    const std::string text = Utf8FromGbk(kSaveFailedText) + "\n" + shownName;
    g_free(shownName);
    GtkWidget* box = gtk_message_dialog_new(parent, GTK_DIALOG_MODAL, GTK_MESSAGE_WARNING, GTK_BUTTONS_NONE,
                                            "%s", text.c_str());
    gtk_window_set_title(GTK_WINDOW(box), Utf8FromGbk(kSaveFailedTitle).c_str());
    gtk_dialog_add_button(GTK_DIALOG(box), Utf8FromGbk(kSheetOk).c_str(), GTK_RESPONSE_OK);
    gtk_dialog_set_default_response(GTK_DIALOG(box), GTK_RESPONSE_OK);
    gtk_window_set_position(GTK_WINDOW(box), parent != nullptr ? GTK_WIN_POS_CENTER_ON_PARENT : GTK_WIN_POS_CENTER);
    gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
}

}  // namespace

void SaveSettingsOrTell(GtkWindow* parent, const Options& options, const ScoreTable& table, const char* file) {
    static bool told = false;
    if (SaveSettingsFile(options, table, file) || told) return;
    told = true;
    TellSaveFailed(parent, file);
}
