// The top-ten table: offering a result, the name entry and the table
// dialog with its Clear button.
#include <cstring>

#include "draw/gui_objects.h"
#include "shell/dialogs.h"
#include "shell/dialogs_fields.h"
#include "shell/program.h"
#include "store/gbk.h"
#include "store/settings.h"

namespace {

// Long enough for anything the name box can hold; only its first 18 bytes
// are kept.
constexpr int kNameReadBytes = 256;

void EndIgnoringCancel(HWND dialog, WPARAM wParam) {
    // Esc sends IDCANCEL; only OK closes these dialogs.
    if (LOWORD(wParam) == IDOK) EndDialog(dialog, 1);
}

INT_PTR CALLBACK NameEntryDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        SetDlgItemTextA(dialog, kNameBox, reinterpret_cast<const char*>(lParam));
        return TRUE;  // focus to the first tab stop, OK
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            char* name = reinterpret_cast<char*>(GetWindowLongPtrA(dialog, DWLP_USER));
            char typed[kNameReadBytes] = {};
            GetDlgItemTextA(dialog, kNameBox, typed, sizeof typed);
            CopyGbkPrefix(name, typed, kTypedNameBytes);
        }
        EndIgnoringCancel(dialog, wParam);
        return TRUE;
    default: return FALSE;
    }
}

UINT AlignmentOf(ColumnAlign align) { return align == ColumnAlign::Right ? TA_RIGHT : TA_CENTER; }

void DrawColumnText(HDC dc, const ScoreColumn& column, int y, const char* text) {
    SetTextAlign(dc, AlignmentOf(column.align));
    TextOutA(dc, column.x, y, text, static_cast<int>(std::strlen(text)));
}

void PaintScoreRows(HWND dialog, const ScoreTable& table) {
    PAINTSTRUCT paint;
    HDC dc = CountMade(BeginPaint(dialog, &paint));
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < kScoreRows; ++i) {
        const UINT oldAlign = GetTextAlign(dc);
        HGDIOBJ oldFont = SelectObject(dc, GetStockObject(ANSI_VAR_FONT));
        const ScoreRowTexts texts = TextsForScoreRow(table.rows[i], i);
        const int y = ScoreRowY(i);
        DrawColumnText(dc, kPlaceColumn, y, texts.place);
        DrawColumnText(dc, kScoreColumn, y, texts.score);
        DrawColumnText(dc, kLinesColumn, y, texts.lines);
        DrawColumnText(dc, kNameColumn, y, texts.name);
        SetTextAlign(dc, oldAlign);
        SelectObject(dc, oldFont);
    }
    CountFreed(EndPaint(dialog, &paint));
}

void ClearTable(HWND dialog, Program& program) {
    ClearScores(program.scores);
    InvalidateRect(dialog, nullptr, TRUE);
    UpdateWindow(dialog);
    SaveSettings(program.game.options, program.scores, kSettingsFile);
}

INT_PTR CALLBACK HighScoreDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    Program* program = reinterpret_cast<Program*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        return TRUE;  // focus to the first tab stop, OK
    case WM_PAINT:
        if (program == nullptr) return FALSE;
        PaintScoreRows(dialog, program->scores);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == kClearButton && program != nullptr) ClearTable(dialog, *program);
        EndIgnoringCancel(dialog, wParam);
        return TRUE;
    default: return FALSE;
    }
}

}  // namespace

void CheckHighScore(HWND parent, Program& program) {
    const GameState& state = program.game.state;
    const int place = QualifyingPlace(program.scores, state.score);
    if (place < 0) return;
    char name[kNameBytes] = {};
    MakeRoom(program.scores, place, name);
    // A dialog that cannot be made counts as closed: the offered name stays.
    DialogBoxParamA(program.instance, MAKEINTRESOURCEA(kNameEntryTemplate), parent, NameEntryDialog,
                    reinterpret_cast<LPARAM>(name));
    FillScoreRow(program.scores, place, state.score, state.lines, name);
    SaveSettings(program.game.options, program.scores, kSettingsFile);
    ShowHighScores(parent, program);
}

void ShowHighScores(HWND parent, Program& program) {
    DialogBoxParamA(program.instance, MAKEINTRESOURCEA(kScoreTableTemplate), parent, HighScoreDialog,
                    reinterpret_cast<LPARAM>(&program));
}
