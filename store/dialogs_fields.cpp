#include "store/dialogs_fields.h"

#include <cstdio>
#include <cstring>

OptionMarks MarksForOptions(const Options& options) {
    OptionMarks marks;
    marks.sevenShapes = options.style != 0;
    marks.dropToBottom = options.dropStyle != 0;
    marks.sound = options.sound != 0;
    marks.preview = options.preview != 0;
    marks.look3D = options.look3D != 0;
    marks.inversion = options.inverse == 0;
    marks.clockwise = options.rotateDir == 0;
    return marks;
}

Options OptionsForMarks(const OptionMarks& marks) {
    Options options;
    options.dropStyle = marks.dropToBottom ? 1 : 0;
    options.style = marks.sevenShapes ? 1 : 0;
    options.sound = marks.sound ? 1 : 0;
    options.preview = marks.preview ? 1 : 0;
    options.look3D = marks.look3D ? 1 : 0;
    options.inverse = marks.inversion ? 0 : 1;
    options.rotateDir = marks.clockwise ? 0 : 1;
    return options;
}

MarkedControl MarkedControlAt(const OptionMarks& marks, int index) {
    constexpr int pairs = sizeof kMarkPairs / sizeof kMarkPairs[0];
    if (index < 2 * pairs) {
        const MarkPair& pair = kMarkPairs[index / 2];
        const bool first = index % 2 == 0;
        return {first ? pair.first : pair.second, marks.*pair.mark == first};
    }
    const MarkBox& box = kMarkBoxes[index - 2 * pairs];
    return {box.control, marks.*box.mark};
}

OptionMarks MarksForCheckedBits(uint32_t bits) {
    OptionMarks marks = {};
    int index = 0;
    for (const MarkPair& pair : kMarkPairs) {
        marks.*pair.mark = (bits >> index & 1) != 0;
        index += 2;
    }
    for (const MarkBox& box : kMarkBoxes) marks.*box.mark = (bits >> index++ & 1) != 0;
    return marks;
}

ScoreRowTexts TextsForScoreRow(const HighScoreEntry& entry, int row) {
    ScoreRowTexts texts;
    std::snprintf(texts.place, sizeof texts.place, "%d.", row + 1);
    std::snprintf(texts.score, sizeof texts.score, "%d", static_cast<int>(entry.score));
    std::snprintf(texts.lines, sizeof texts.lines, "%d", static_cast<int>(entry.lines));
    // A name read from a damaged table may lack its terminator.
    std::memcpy(texts.name, entry.name, kNameBytes);
    texts.name[kNameBytes - 1] = '\0';
    return texts;
}
