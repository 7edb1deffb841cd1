#include "gtk/dialog_layout.h"

#include <algorithm>
#include <string>

#include "gtk/keys.h"
#include "gtk/pictures.h"
#include "gtk/text.h"

namespace {

struct KeyedDialog {
    DialogKeys keys;
    GtkWidget* controls[kMaxDialogControls];
    GtkNotebook* pages;
};

constexpr int kDialogFontPoints = 9;  // FONT 9 of every template
constexpr char kDialogWidgetName[] = "trelmo-dialog";

// The family of gtk-font-name, without characters that would end the CSS
// string.
std::string DesktopFontFamily() {
    gchar* fontName = nullptr;
    g_object_get(gtk_settings_get_default(), "gtk-font-name", &fontName, nullptr);
    PangoFontDescription* font = pango_font_description_from_string(fontName != nullptr ? fontName : "Sans");
    const char* family = pango_font_description_get_family(font);
    std::string result;
    for (const char* c = family != nullptr ? family : "Sans"; *c != '\0'; ++c)
        if (*c != '"' && *c != '\\') result += *c;
    pango_font_description_free(font);
    g_free(fontName);
    return result;
}

// The dialog font, and controls that keep the sizes of their rectangles,
// which the theme's paddings and minimum sizes would make larger. Only the
// dialogs carry the name the rules select.
std::string DialogCss() {
    const std::string dialog = std::string("#") + kDialogWidgetName;
    return dialog + ", " + dialog + " * { font-family: \"" + DesktopFontFamily() +
           "\"; font-size: " + std::to_string(kDialogFontPoints) + "pt; }\n" +
           dialog + " button { padding: 0 2px; min-height: 0; min-width: 0; }\n" +
           dialog + " entry { padding: 0 2px; min-height: 0; min-width: 0; }\n" +
           dialog + " checkbutton, " + dialog + " radiobutton { padding: 0; min-height: 0; }\n" +
           dialog + " check, " + dialog + " radio { margin: 0 4px 0 0; min-width: 13px; min-height: 13px; }\n" +
           dialog + " label { padding: 0; min-height: 0; }\n" +
           dialog + " separator { min-height: 0; margin: 0; }\n";
}

// One provider for the screen, reloaded at each dialog so a changed desktop
// font shows in the next one.
void ApplyDialogStyle() {
    static GtkCssProvider* provider = nullptr;
    if (provider == nullptr) {
        provider = gtk_css_provider_new();
        gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(provider),
                                                  GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    }
    gtk_css_provider_load_from_data(provider, DialogCss().c_str(), -1, nullptr);
}

GtkWidget* NewLabel(const DialogControl& control) {
    GtkWidget* label = gtk_label_new_with_mnemonic(MnemonicFromGbk(control.text).c_str());
    gtk_label_set_xalign(GTK_LABEL(label), 0.0f);
    gtk_label_set_yalign(GTK_LABEL(label), 0.0f);
    // A static text wraps within its rectangle, as SS_LEFT does.
    gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
    gtk_label_set_line_wrap_mode(GTK_LABEL(label), PANGO_WRAP_WORD_CHAR);
    return label;
}

GtkWidget* NewIcon(const DialogControl& control) {
    GdkPixbuf* icon = IconPixbuf(control.iconId);
    GtkWidget* image = icon != nullptr ? gtk_image_new_from_pixbuf(icon) : gtk_image_new();
    if (icon != nullptr) g_object_unref(icon);
    return image;
}

GtkWidget* NewGroupBox(const DialogControl& control) {
    GtkWidget* frame = gtk_frame_new(nullptr);
    gtk_frame_set_label_widget(GTK_FRAME(frame), gtk_label_new_with_mnemonic(MnemonicFromGbk(control.text).c_str()));
    return frame;
}

GtkWidget* NewEditBox() {
    GtkWidget* entry = gtk_entry_new();
    gtk_entry_set_width_chars(GTK_ENTRY(entry), 0);  // the rectangle decides
    return entry;
}

// Radio buttons of one Windows group (from a WS_GROUP control to the next)
// exclude each other.
GtkWidget* NewRadioButton(const DialogControl& control, GtkWidget*& groupLeader) {
    const std::string text = MnemonicFromGbk(control.text);
    GtkWidget* radio = groupLeader != nullptr
                           ? gtk_radio_button_new_with_mnemonic_from_widget(GTK_RADIO_BUTTON(groupLeader), text.c_str())
                           : gtk_radio_button_new_with_mnemonic(nullptr, text.c_str());
    if (groupLeader == nullptr) groupLeader = radio;
    return radio;
}

GtkWidget* NewControl(const DialogControl& control, GtkWidget*& radioLeader) {
    switch (control.kind) {
    case ControlKind::Label: return NewLabel(control);
    case ControlKind::Icon: return NewIcon(control);
    case ControlKind::EtchedRule: return gtk_separator_new(GTK_ORIENTATION_HORIZONTAL);
    case ControlKind::GroupBox: return NewGroupBox(control);
    case ControlKind::PushButton: return gtk_button_new_with_mnemonic(MnemonicFromGbk(control.text).c_str());
    case ControlKind::CheckBox: return gtk_check_button_new_with_mnemonic(MnemonicFromGbk(control.text).c_str());
    case ControlKind::RadioButton: return NewRadioButton(control, radioLeader);
    case ControlKind::EditBox: return NewEditBox();
    }
    return nullptr;
}

// Asks the key model what the key does in the dialog as it stands, and
// does it; a key the model passes goes on to the focused widget.
gboolean OnDialogKey(GtkWidget* window, GdkEventKey* event, gpointer data) {
    const KeyedDialog& keyed = *static_cast<const KeyedDialog*>(data);
    GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(window));
    DialogKeyState state = {-1, 0, keyed.pages != nullptr ? gtk_notebook_get_current_page(keyed.pages) : 0};
    for (int i = 0; i < keyed.keys.count; ++i) {
        GtkWidget* control = keyed.controls[i];
        if (control == nullptr) continue;
        if (focus != nullptr && (control == focus || gtk_widget_is_ancestor(focus, control))) state.focus = i;
        if (GTK_IS_TOGGLE_BUTTON(control) && gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(control)))
            state.checked |= 1u << i;
    }
    const guint held = event->state;
    const int modifiers = (held & GDK_SHIFT_MASK ? kShiftHeld : 0) | (held & GDK_CONTROL_MASK ? kCtrlHeld : 0) |
                          (held & GDK_MOD1_MASK ? kAltHeld : 0);
    const DialogKeyAnswer answer = KeyInDialog(keyed.keys, state, VirtualKeyForKeysym(event->keyval), modifiers);
    if (answer.action == DialogAction::Pass) return FALSE;
    GtkWidget* target = answer.target >= 0 ? keyed.controls[answer.target] : nullptr;
    if (answer.action == DialogAction::Focus || answer.action == DialogAction::Press) gtk_widget_grab_focus(target);
    if (answer.action == DialogAction::Press) gtk_button_clicked(GTK_BUTTON(target));
    if (answer.action == DialogAction::ShowPage) gtk_notebook_set_current_page(keyed.pages, answer.target);
    return TRUE;
}

// A captioned modal template has no system menu: a title bar without
// buttons, movable only.
void DecorateWithoutSystemMenu(GtkWidget* dialog, gpointer) {
    GdkWindow* window = gtk_widget_get_window(dialog);
    gdk_window_set_decorations(window, static_cast<GdkWMDecoration>(GDK_DECOR_BORDER | GDK_DECOR_TITLE));
    gdk_window_set_functions(window, GDK_FUNC_MOVE);
}

void OnEndingButton(GtkButton* button, gpointer dialog) {
    gtk_dialog_response(GTK_DIALOG(dialog), GPOINTER_TO_INT(g_object_get_data(G_OBJECT(button), "trelmo-id")));
}

// The template's position is the window's, from the parent's client area.
void PlaceAtTemplatePosition(GtkWindow* dialog, GtkWindow* parent, const DialogTemplate& source,
                             DialogBaseUnits base) {
    int originX = 0;
    int originY = 0;
    GdkWindow* parentWindow = parent != nullptr ? gtk_widget_get_window(GTK_WIDGET(parent)) : nullptr;
    if (parentWindow != nullptr) gdk_window_get_origin(parentWindow, &originX, &originY);
    gtk_window_move(dialog, originX + DialogUnitsToPixelsX(source.x, base),
                    originY + DialogUnitsToPixelsY(source.y, base));
}

void FocusAtMap(GtkWidget*, gpointer widget) { gtk_widget_grab_focus(GTK_WIDGET(widget)); }

}  // namespace

void AnswerKeysWith(GtkWidget* dialog, const DialogKeys& keys, GtkWidget* const* controls, GtkNotebook* pages) {
    KeyedDialog keyed = {keys, {}, pages};
    std::copy(controls, controls + keys.count, keyed.controls);
    auto* kept = static_cast<KeyedDialog*>(g_memdup2(&keyed, sizeof keyed));
    g_object_set_data_full(G_OBJECT(dialog), "trelmo-keys", kept, g_free);
    g_signal_connect(dialog, "key-press-event", G_CALLBACK(OnDialogKey), kept);
}

void FocusWhenShown(GtkWidget* dialog, GtkWidget* widget) {
    g_signal_connect_after(dialog, "map", G_CALLBACK(FocusAtMap), widget);
}

GtkWidget* PanelControl(const TemplatePanel& panel, int controlId) {
    const DialogControl* control = FindDialogControl(*panel.source, controlId);
    return control != nullptr ? panel.controls[control - panel.source->controls] : nullptr;
}

GtkWidget* NewStyledDialog(GtkWindow* parent, const char* utf8Caption) {
    ApplyDialogStyle();
    GtkWidget* dialog = gtk_dialog_new();
    gtk_widget_set_name(dialog, kDialogWidgetName);
    gtk_window_set_title(GTK_WINDOW(dialog), utf8Caption);
    gtk_window_set_transient_for(GTK_WINDOW(dialog), parent);
    gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
    gtk_window_set_resizable(GTK_WINDOW(dialog), FALSE);
    gtk_window_set_skip_taskbar_hint(GTK_WINDOW(dialog), TRUE);
    // The client area is ours alone: no border, no spacing, no button row.
    GtkWidget* content = gtk_dialog_get_content_area(GTK_DIALOG(dialog));
    gtk_container_set_border_width(GTK_CONTAINER(content), 0);
    gtk_box_set_spacing(GTK_BOX(content), 0);
    GList* children = gtk_container_get_children(GTK_CONTAINER(content));
    for (GList* child = children; child != nullptr; child = child->next) {
        gtk_widget_hide(GTK_WIDGET(child->data));
        gtk_widget_set_no_show_all(GTK_WIDGET(child->data), TRUE);
    }
    g_list_free(children);
    return dialog;
}

DialogBaseUnits DialogBaseUnitsOf(GtkWidget* dialog) {
    PangoLayout* layout = gtk_widget_create_pango_layout(dialog, kBaseUnitAlphabet);
    int width = 0;
    int height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    g_object_unref(layout);
    return BaseUnitsForFont(width, height);
}

TemplatePanel BuildTemplatePanel(const DialogTemplate& dialog, DialogBaseUnits base) {
    TemplatePanel panel = {};
    panel.source = &dialog;
    panel.fixed = gtk_fixed_new();
    gtk_widget_set_size_request(panel.fixed, DialogUnitsToPixelsX(dialog.width, base),
                                DialogUnitsToPixelsY(dialog.height, base));
    GtkWidget* radioLeader = nullptr;
    for (int i = 0; i < dialog.controlCount; ++i) {
        const DialogControl& control = dialog.controls[i];
        if (control.startsGroup) radioLeader = nullptr;
        GtkWidget* widget = NewControl(control, radioLeader);
        const PixelRect rect = DialogRectToPixels(control.x, control.y, control.width, control.height, base);
        // A static icon takes the size of its picture, as on Windows.
        if (control.kind == ControlKind::Icon) {
            gtk_widget_set_size_request(widget, -1, -1);
        } else {
            gtk_widget_set_size_request(widget, rect.width, rect.height);
        }
        gtk_widget_set_can_focus(widget, control.tabStop);
        gtk_fixed_put(GTK_FIXED(panel.fixed), widget, rect.x, rect.y);
        panel.controls[i] = widget;
    }
    return panel;
}

GtkDialog* NewTemplateDialog(GtkWindow* parent, int templateId, TemplatePanel& panel) {
    const DialogTemplate* source = DialogTemplateById(templateId);
    if (source == nullptr) return nullptr;
    GtkWidget* dialog = NewStyledDialog(parent, Utf8FromGbk(source->caption).c_str());
    gtk_window_set_deletable(GTK_WINDOW(dialog), FALSE);
    g_signal_connect_after(dialog, "realize", G_CALLBACK(DecorateWithoutSystemMenu), nullptr);
    const DialogBaseUnits base = DialogBaseUnitsOf(dialog);
    panel = BuildTemplatePanel(*source, base);
    gtk_container_add(GTK_CONTAINER(gtk_dialog_get_content_area(GTK_DIALOG(dialog))), panel.fixed);
    AnswerKeysWith(dialog, KeysOfTemplate(*source), panel.controls, nullptr);
    for (int id : {kOkButton, kCancelButton}) {
        GtkWidget* button = PanelControl(panel, id);
        if (button == nullptr) continue;
        g_object_set_data(G_OBJECT(button), "trelmo-id", GINT_TO_POINTER(id));
        g_signal_connect(button, "clicked", G_CALLBACK(OnEndingButton), dialog);
    }
    if (GtkWidget* ok = PanelControl(panel, kOkButton)) {
        gtk_widget_set_can_default(ok, TRUE);
        gtk_window_set_default(GTK_WINDOW(dialog), ok);
        FocusWhenShown(dialog, ok);
    }
    if (source->centred) {
        gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
    } else {
        PlaceAtTemplatePosition(GTK_WINDOW(dialog), parent, *source, base);
    }
    gtk_widget_show_all(panel.fixed);
    return GTK_DIALOG(dialog);
}

bool RunUntilOk(GtkDialog* dialog) {
    for (;;) {
        const int response = gtk_dialog_run(dialog);
        if (response == kOkButton) return true;
        if (response == GTK_RESPONSE_NONE) return false;  // destroyed meanwhile
    }
}
