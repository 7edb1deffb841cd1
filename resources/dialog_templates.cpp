// The one copy of the embedded templates that the dialogs are laid out from.
#include "resources/dialog_script.h"
#include "resources/dialog_script_text.h"

const DialogTemplate* DialogTemplateById(int id) {
    static DialogScript script;
    static const bool read = ParseDialogScript(kDialogScriptHeader, kDialogScriptTemplates, script);
    return read ? FindDialogTemplate(script, id) : nullptr;
}
