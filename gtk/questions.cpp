#include "gtk/questions.h"

#include "gtk/dialog_layout.h"
#include "gtk/pictures.h"
#include "gtk/program.h"
#include "gtk/text.h"
#include "resources/ids.h"
#include "resources/texts.h"

namespace {

// A Yes/No box; `image` null for the question icon.
GtkWidget* NewYesNoBox(GtkWindow* parent, const char* text, const char* title, GtkWidget* image) {
    GtkWidget* box = gtk_message_dialog_new(parent, parent != nullptr ? GTK_DIALOG_MODAL : GtkDialogFlags{},
                                            image != nullptr ? GTK_MESSAGE_OTHER : GTK_MESSAGE_QUESTION,
                                            GTK_BUTTONS_NONE, "%s", Utf8FromGbk(text).c_str());
    gtk_window_set_title(GTK_WINDOW(box), Utf8FromGbk(title).c_str());
    gtk_dialog_add_button(GTK_DIALOG(box), MnemonicFromGbk(kYesText).c_str(), GTK_RESPONSE_YES);
    gtk_dialog_add_button(GTK_DIALOG(box), MnemonicFromGbk(kNoText).c_str(), GTK_RESPONSE_NO);
    gtk_dialog_set_default_response(GTK_DIALOG(box), GTK_RESPONSE_YES);
    if (image != nullptr) {
        G_GNUC_BEGIN_IGNORE_DEPRECATIONS
        gtk_message_dialog_set_image(GTK_MESSAGE_DIALOG(box), image);
        G_GNUC_END_IGNORE_DEPRECATIONS
        gtk_widget_show(image);
    }
    // Its letters answer it with Alt or without; Esc does nothing.
    GtkWidget* const buttons[] = {gtk_dialog_get_widget_for_response(GTK_DIALOG(box), GTK_RESPONSE_YES),
                                  gtk_dialog_get_widget_for_response(GTK_DIALOG(box), GTK_RESPONSE_NO)};
    AnswerKeysWith(box, KeysOfQuestion(kYesText, kNoText), buttons, nullptr);
    gtk_window_set_position(GTK_WINDOW(box), parent != nullptr ? GTK_WIN_POS_CENTER_ON_PARENT : GTK_WIN_POS_CENTER);
    return box;
}

struct Response {
    GMainLoop* loop;
    int response;
};

void OnResponse(GtkDialog*, int response, Response* answer) {
    answer->response = response;
    g_main_loop_quit(answer->loop);
}

}  // namespace

bool AskQuestion(GtkWindow* parent, const char* text, const char* title) {
    GtkWidget* box = NewYesNoBox(parent, text, title, nullptr);
    int response;
    // A Windows Yes/No box has no Cancel: Esc and its close box do nothing.
    do {
        response = gtk_dialog_run(GTK_DIALOG(box));
    } while (response != GTK_RESPONSE_YES && response != GTK_RESPONSE_NO && response != GTK_RESPONSE_NONE);
    gtk_widget_destroy(box);
    return response != GTK_RESPONSE_NO;
}

bool AskToExit(Program& program) {
    GdkPixbuf* icon = IconPixbuf(IDI_EXIT);
    GtkWidget* image = icon != nullptr ? gtk_image_new_from_pixbuf(icon) : gtk_image_new();
    if (icon != nullptr) g_object_unref(icon);
    GtkWidget* box = NewYesNoBox(nullptr, kExitQuestion, kExitTitle, image);
    // Not modal: its own loop, so the main window keeps working meanwhile.
    Response answer = {g_main_loop_new(nullptr, FALSE), GTK_RESPONSE_NONE};
    g_signal_connect(box, "response", G_CALLBACK(OnResponse), &answer);
    program.exitBox = box;
    gtk_widget_show(box);
    gtk_window_present(GTK_WINDOW(box));
    g_main_loop_run(answer.loop);
    g_main_loop_unref(answer.loop);
    program.exitBox = nullptr;
    gtk_widget_destroy(box);
    return answer.response == GTK_RESPONSE_YES;
}
