// The options dialog: the seven flags as check boxes and radio pairs,
// stored and shown at once on OK, untouched on Cancel and Esc.
#include "store/dialogs_fields.h"
#include "store/settings.h"
#include "win32/dialogs.h"

namespace {

void Mark(HWND dialog, int id, bool checked) { CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED); }
bool Marked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void ShowMarks(HWND dialog, const OptionMarks& marks) {
    for (const MarkPair& pair : kMarkPairs)
        CheckRadioButton(dialog, pair.first, pair.second, marks.*pair.mark ? pair.first : pair.second);
    for (const MarkBox& box : kMarkBoxes) Mark(dialog, box.control, marks.*box.mark);
}

OptionMarks ReadMarks(HWND dialog) {
    OptionMarks marks = {};
    for (const MarkPair& pair : kMarkPairs) marks.*pair.mark = Marked(dialog, pair.first);
    for (const MarkBox& box : kMarkBoxes) marks.*box.mark = Marked(dialog, box.control);
    return marks;
}

void StoreOptions(HWND dialog, const DialogContext& context) {
    Game& game = *context.game;
    game.options = OptionsForMarks(ReadMarks(dialog));
    game.state.shapeCount = ShapeCountForStyle(game.options.style);
    SaveSettings(*context.settings, game.options, *context.scores);
    // The new look shows before the dialog goes away.
    HWND owner = GetWindow(dialog, GW_OWNER);
    InvalidateRect(owner, nullptr, TRUE);
    UpdateWindow(owner);
}

INT_PTR CALLBACK OptionsDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        const DialogContext* context = reinterpret_cast<const DialogContext*>(lParam);
        ShowMarks(dialog, MarksForOptions(context->game->options));
        SetFocus(GetDlgItem(dialog, IDOK));
        return FALSE;  // the focus is set
    }
    case WM_COMMAND: {
        const DialogContext* context = reinterpret_cast<const DialogContext*>(GetWindowLongPtrA(dialog, DWLP_USER));
        if (LOWORD(wParam) == IDOK) {
            StoreOptions(dialog, *context);
            EndDialog(dialog, 1);
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 1);
        }
        return TRUE;
    }
    default: return FALSE;
    }
}

}  // namespace

void ShowOptions(HWND parent, const DialogContext& context) {
    DialogBoxParamW(context.instance, MAKEINTRESOURCEW(IDD_OPTIONS), parent, OptionsDialog,
                    reinterpret_cast<LPARAM>(&context));
}
