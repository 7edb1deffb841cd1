#pragma once
// What the dialogs show, without the platform: the template and control
// ids, the options dialog's boxes against the Options record, and the
// painted rows of the top-ten table.
#include <cstdint>

#include "game/options.h"
#include "resources/ids.h"
#include "resources/texts.h"
#include "store/scores.h"

// The marks of the options dialog. Inversion and clockwise turning show
// the opposite of their stored flags.
struct OptionMarks {
    bool sevenShapes;   // radio 104, else 105
    bool dropToBottom;  // radio 307, else 308
    bool sound;         // 101
    bool preview;       // 109
    bool look3D;        // 111
    bool inversion;     // 110
    bool clockwise;     // 103
};

OptionMarks MarksForOptions(const Options& options);
Options OptionsForMarks(const OptionMarks& marks);

// Which control of the options dialog shows which mark: five check boxes,
// and two radio pairs whose first button stands for the mark.
struct MarkBox {
    int control;
    bool OptionMarks::*mark;
};
constexpr MarkBox kMarkBoxes[] = {
    {IDC_SOUND, &OptionMarks::sound},       {IDC_PREVIEW, &OptionMarks::preview},
    {IDC_LOOK_3D, &OptionMarks::look3D},    {IDC_INVERSION, &OptionMarks::inversion},
    {IDC_CLOCKWISE, &OptionMarks::clockwise},
};
struct MarkPair {
    int first, second;
    bool OptionMarks::*mark;  // the first is checked when it holds
};
constexpr MarkPair kMarkPairs[] = {
    {IDC_SEVEN_SHAPES, IDC_ELEVEN_SHAPES, &OptionMarks::sevenShapes},
    {IDC_DROP_TO_BOTTOM, IDC_FAST_FALL, &OptionMarks::dropToBottom},
};

// The controls of the options dialog in one order, for a front end that
// tells them as bits: both buttons of each radio pair, then the check boxes.
constexpr int kMarkedControlCount = 2 * 2 + 5;
struct MarkedControl {
    int control;
    bool checked;
};
MarkedControl MarkedControlAt(const OptionMarks& marks, int index);
// The marks from the controls checked, control `index` as bit `index`; the
// first of each radio pair decides its mark.
OptionMarks MarksForCheckedBits(uint32_t bits);

// The information sheet's pages in order, each a title on its tab and a
// template; its caption is kSheetCaption.
struct SheetPage {
    const char* title;
    int dialogTemplate;
};
constexpr SheetPage kSheetPages[] = {
    {kAboutPageTitle, IDD_ABOUT},
    {kKeyHelpPageTitle, IDD_KEY_HELP},
    {kScoringPageTitle, IDD_SCORING},
};
constexpr int kSheetPageCount = sizeof kSheetPages / sizeof kSheetPages[0];
// Its frame in dialog units: the tabs 4 from the edges, the buttons
// 50 x 14, 4 apart, 4 below the tabs and from the right and bottom edges.
constexpr int kSheetMargin = 4;
constexpr int kSheetButtonWidth = 50;
constexpr int kSheetButtonHeight = 14;

// The table's rows are painted in dialog client pixels, one row every 18
// pixels from y 45, each text right-aligned or centred on its x.
constexpr int kScoreRowTop = 45;
constexpr int kScoreRowStep = 18;

enum class ColumnAlign { Right, Centre };

struct ScoreColumn {
    int x;
    ColumnAlign align;
};

constexpr ScoreColumn kPlaceColumn = {35, ColumnAlign::Right};
constexpr ScoreColumn kScoreColumn = {220, ColumnAlign::Right};
constexpr ScoreColumn kLinesColumn = {285, ColumnAlign::Right};
constexpr ScoreColumn kNameColumn = {110, ColumnAlign::Centre};

inline int ScoreRowY(int row) { return kScoreRowTop + kScoreRowStep * row; }

// The four texts of table row `row` (0..9).
struct ScoreRowTexts {
    char place[16];  // "1." .. "10.", and room for any int with its point
    char score[12];  // any 32-bit value fits
    char lines[12];
    char name[kNameBytes];
};

ScoreRowTexts TextsForScoreRow(const HighScoreEntry& entry, int row);
