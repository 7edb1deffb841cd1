#include "gtk/menus.h"

#include "commands/input.h"
#include "commands/menus.h"
#include "gtk/keys.h"
#include "gtk/program.h"
#include "gtk/text.h"

namespace {

// What a key does in the menu is the model's (commands/menus.h), as in the
// page and in a Windows menu: greyed items take the highlight too. The
// menu's entries are its table's rows, separators and all, in order.
gboolean OnMenuKey(GtkWidget* menu, GdkEventKey* event, Program* program) {
    GtkMenuShell* shell = GTK_MENU_SHELL(menu);
    GList* entries = gtk_container_get_children(GTK_CONTAINER(shell));
    GtkWidget* selected = gtk_menu_shell_get_selected_item(shell);
    const int highlighted = selected != nullptr ? g_list_index(entries, selected) : program->menuGreyedHighlight;
    const MenuKeyAnswer answer =
        KeyInMenu(*program->menuTable, highlighted, VirtualKeyForKeysym(event->keyval), program->game.state);
    GtkWidget* entry = answer.item >= 0 ? GTK_WIDGET(g_list_nth_data(entries, static_cast<guint>(answer.item))) : nullptr;
    g_list_free(entries);
    switch (answer.action) {
    case MenuAction::Nothing: break;
    case MenuAction::Highlight:
        program->menuGreyedHighlight = entry != nullptr && !gtk_widget_get_sensitive(entry) ? answer.item : -1;
        if (program->menuGreyedHighlight >= 0) gtk_menu_shell_deselect(shell);
        else if (entry != nullptr) gtk_menu_shell_select_item(shell, entry);
        break;
    case MenuAction::Choose: gtk_menu_shell_activate_item(shell, entry, TRUE); break;
    case MenuAction::Close: gtk_menu_shell_cancel(shell); break;
    }
    return TRUE;
}

void OnItemChosen(GtkMenuItem* item, Program* program) {
    const int id = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(item), "trelmo-command"));
    CarryOutWindowActions(*program, RunCommand(program->dispatcher, CommandForMenuId(id)));
}

void OnMenuGone(GtkMenuShell*, Program* program) { program->menu = nullptr; }

void PopUp(Program& program, const MenuTable& table, const GameState* state) {
    if (program.menu != nullptr) gtk_menu_popdown(GTK_MENU(program.menu));
    GtkWidget* menu = gtk_menu_new();
    for (int row = 0; row < table.count; ++row) {
        const MenuItem& item = table.items[row];
        if (item.text == nullptr) {
            gtk_menu_shell_append(GTK_MENU_SHELL(menu), gtk_separator_menu_item_new());
            continue;
        }
        GtkWidget* entry = gtk_menu_item_new_with_label(Utf8FromGbk(item.text).c_str());
        g_object_set_data(G_OBJECT(entry), "trelmo-command", GINT_TO_POINTER(item.id));
        if (state != nullptr && MenuItemGreyed(item.id, *state)) gtk_widget_set_sensitive(entry, FALSE);
        g_signal_connect(entry, "activate", G_CALLBACK(OnItemChosen), &program);
        gtk_menu_shell_append(GTK_MENU_SHELL(menu), entry);
    }
    gtk_widget_show_all(menu);
    program.menuTable = &table;
    program.menuGreyedHighlight = -1;
    g_signal_connect(menu, "key-press-event", G_CALLBACK(OnMenuKey), &program);
    // The menu lives until it closes; the chosen item acts after that.
    g_signal_connect(menu, "deactivate", G_CALLBACK(OnMenuGone), &program);
    g_signal_connect(menu, "deactivate", G_CALLBACK(+[](GtkMenuShell* shell, gpointer) {
                         g_idle_add([](gpointer widget) {
                             gtk_widget_destroy(GTK_WIDGET(widget));
                             return G_SOURCE_REMOVE;
                         }, shell);
                     }), nullptr);
    if (program.window != nullptr && gtk_widget_get_visible(program.window))
        gtk_menu_attach_to_widget(GTK_MENU(menu), program.window, nullptr);
    program.menu = menu;
    gtk_menu_popup_at_pointer(GTK_MENU(menu), nullptr);
}

}  // namespace

void OpenMainMenu(Program& program) { PopUp(program, kPopupMenus[kMainMenu], &program.game.state); }

void OpenTrayMenu(Program& program) { PopUp(program, kPopupMenus[kTrayMenu], nullptr); }
