// The pictures of the icons and the hand cursor, drawn one character per
// pixel. Inks are listed in artwork.h.
#include "media/artwork.h"

#include "resources/ids.h"

namespace {

constexpr bool IsIconInk(char key) {
    if (key == kIconClear) return true;
    for (char ink : kIconInks) {
        if (ink == key) return true;
    }
    return false;
}

constexpr bool IsCursorInk(char key) {
    return key == kCursorClear || key == kCursorBlack || key == kCursorWhite;
}

// Every row full width with known inks only: a short row would silently end
// in zero bytes.
template <int Width, int Height>
constexpr bool WellFormed(const char (&rows)[Height][Width + 1], bool (*isInk)(char)) {
    for (const auto& row : rows) {
        for (int x = 0; x < Width; ++x) {
            if (!isInk(row[x])) return false;
        }
    }
    return true;
}

}  // namespace

// Icon 102, the program's icon: a black well in a white frame with a
// stack of cells at the bottom and a cyan and blue T falling in.
constexpr IconRows kWellIcon = {
    " aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa ",
    " aWWWWWWWWWWWWWWWWWWWWWWWWWWWWa ",
    " aWWaaaaaaaaaaaaaaaaaaaaaaaaWWa ",
    " aWakkkkkkkkkkkkkkkkkkkkkkkkWWa ",
    " aWakkkkkkkkkkkkkkkkkkkkkkkkWWa ",
    " aWakkkkkkkkkkkkkkkkkkkkkkkkWWa ",
    " aWakkkkkkkkkkkkkkkkkkkkkkkkWWa ",
    " aWakkkkCCCBCCCBCCCBkkkkkkkkWWa ",
    " aWakkkkCCCBCCCBCCCBkkkkkkkkWWa ",
    " aWakkkkBBBBBBBBBBBBkkkkkkkkWWa ",
    " aWakkkkkkkkCCCBkkkkkkkkkkkkWWa ",
    " aWakkkkkkkkCCCBkkkkkkkkkkkkWWa ",
    " aWakkkkkkkkBBBBkkkkkkkkkkkkWWa ",
    " aWakkkkkkkkkkkkkkkkkkkkkkkkWWa ",
    " aWakkkkkkkkkkkkkkkkkkkkkkkkWWa ",
    " aWakkkkkkkkkkkkkkkkkkkkkkkkWWa ",
    " aWakkkkkkkkkkkkkkkkMMMpkkkkWWa ",
    " aWakkkkkkkkkkkkkkkkMMMpkkkkWWa ",
    " aWakkkkkkkkkkkkkkkkppppkkkkWWa ",
    " aWaYYYvkkkkkkkkGGGgMMMpMMMpWWa ",
    " aWaYYYvkkkkkkkkGGGgMMMpMMMpWWa ",
    " aWavvvvkkkkkkkkggggppppppppWWa ",
    " aWaYYYvYYYvRRRmGGGgGGGgkkkkWWa ",
    " aWaYYYvYYYvRRRmGGGgGGGgkkkkWWa ",
    " aWavvvvvvvvmmmmggggggggkkkkWWa ",
    " aWaYYYvRRRmRRRmBBBnBBBnBBBnWWa ",
    " aWaYYYvRRRmRRRmBBBnBBBnBBBnWWa ",
    " aWavvvvmmmmmmmmnnnnnnnnnnnnWWa ",
    " aWWWWWWWWWWWWWWWWWWWWWWWWWWWWa ",
    " aWWWWWWWWWWWWWWWWWWWWWWWWWWWWa ",
    " aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa ",
    "                                ",
};

// Icon 103, for leaving the game: a red arrow entering an open door.
constexpr IconRows kExitIcon = {
    "                                ",
    "                              k ",
    "             kkkkkkkkkkkkkk kkk ",
    "             ksssssssssssskkvvk ",
    "             kskkkkkkkkkkkvvvvk ",
    "             kskkkkkkkkkkkvvvvk ",
    "             kskkkkkkkkkkkvvvvk ",
    "             kskkkkkkkkkkkvvvvk ",
    "           m kskkkkkkkkkkkvvvvk ",
    "           mmkskkkkkkkkkkkvvvvk ",
    "           mRmskkkkkkkkkkkvvvvk ",
    "           mRRmkkkkkkkkkkkvvvvk ",
    "           mRRRmmkkkkkkkkkvvvvk ",
    " mmmmmmmmmmRRRRRRmkkkkkkkkvvvvk ",
    " mRRRRRRRRRRRRRRRRmkkkkkkkvvvvk ",
    " mRRRRRRRRRRRRRRRRRmkkkkkkvvvvk ",
    " mRRRRRRRRRRRRRRRRRmkkkkkkvvvvk ",
    " mRRRRRRRRRRRRRRRRmkkkkkkkvYvvk ",
    " mmmmmmmmmmRRRRRRmkkkkkkkkvYvvk ",
    "           mRRRmmkkkkkkkkkvvvvk ",
    "           mRRmkkkkkkkkkkkvvvvk ",
    "           mRmskkkkkkkkkkkvvvvk ",
    "           mmkskkkkkkkkkkkvvvvk ",
    "           m kskkkkkkkkkkkvvvvk ",
    "             kskkkkkkkkkkkvvvvk ",
    "             kskkkkkkkkkkkvvvvk ",
    "             ksaaaaaaaaaakvvvvk ",
    "             ksaaaaaaaaaakvvvvk ",
    "             ksaaaaaaaaaakvvvvk ",
    "             kkaaaaaaaaaakkkvvk ",
    "                            kkk ",
    "                                ",
};

// Icon 104, for a new high score: a laughing face with tears of joy.
constexpr IconRows kLaughIcon = {
    "                                ",
    "           kkkkkkkkk            ",
    "        kkkYYYYYYYYYkkk         ",
    "       kYYYYYYYYYYYYYYYk        ",
    "      kYYYYYYYYYYYYYYYYYk       ",
    "     kYYYYYYYYYYYYYYYYYYYk      ",
    "    kYYYYYYYYYYYYYYYYYYYYYk     ",
    "   kYYYYYYYYYYYYYYYYYYYYYYYk    ",
    "  kYYYYYYYYYYYYYYYYYYYYYYYYvk   ",
    "  kYYYYYYkkkYYYYYYYYkkkYYYYYk   ",
    "  kYYYYYkYYYkYYYYYYkYYYkYYYYk   ",
    " kYYYYYkkYYYkkYYYYkkYYYkkYYYvk  ",
    " kYYYYYYYYYYYYYYYYYYYYYYYYYYvk  ",
    " kYYYCYYYYYYYYYYYYYYYYYYYYCYvk  ",
    " kYYCCYYYYYYYYYYYYYYYYYYYYCCvk  ",
    " kYYCCYYYYYYYYYYYYYYYYYYYYCCvk  ",
    " kYYYYYYYYYYYYYYYYYYYYYYYYYYvk  ",
    " kYYYYkkkkkkkkkkkkkkkkkkkYYYvk  ",
    " kYYYYkmWWWWWWWWWWWWWWWWkYYvvk  ",
    " kYYYYkmWWWWWWWWWWWWWWWWkYYvvk  ",
    "  kYYYkmmmmmmmmmmmmmmmmmkYYvk   ",
    "  kYYYYkmmmmmmmmmmmmmmmkYYvvk   ",
    "  kYYYYkmmmmmmmmmmmmmmmkYvvvk   ",
    "   kYYYYkmmmRRRRRRRmmmkYvvvk    ",
    "    kYYYYkRRRRRRRRRRRkYvvvk     ",
    "     kYYYYkkRRRRRRRkkYvvvk      ",
    "      kYYYYYkkkkkkkYYvvvk       ",
    "       kvYYYYYYYYYvvvvvk        ",
    "        kkkvvvvvvvvvkkk         ",
    "           kkkkkkkkk            ",
    "                                ",
    "                                ",
};

// Cursor 1: a hand pointing up, the fingertip at the hot spot (0, 0).
constexpr CursorRows kHandCursor = {
    ".XX.............",
    "XooX............",
    "XooX............",
    "XooX............",
    "XooX............",
    "XooXXX..........",
    "XooXooXXX.......",
    "XooXooXooXXX....",
    "XooXooXooXooX...",
    "XooXooXooXooX...",
    "XoooooooooooX...",
    "XoooooooooooX...",
    "XoooooooooooX...",
    ".XooooooooooX...",
    ".XoooooooooX....",
    "..XooooooooX....",
    "..XooooooooX....",
    "..XXXXXXXXXX....",
};

static_assert(WellFormed<kIconSize, kIconSize>(kWellIcon, IsIconInk), "icon 102 rows");
static_assert(WellFormed<kIconSize, kIconSize>(kExitIcon, IsIconInk), "icon 103 rows");
static_assert(WellFormed<kIconSize, kIconSize>(kLaughIcon, IsIconInk), "icon 104 rows");
static_assert(WellFormed<kHandWidth, kHandHeight>(kHandCursor, IsCursorInk), "cursor rows");

const IconRows* IconRowsOf(int iconId) {
    switch (iconId) {
    case IDI_PROGRAM: return &kWellIcon;
    case IDI_EXIT: return &kExitIcon;
    case IDI_NAME_ENTRY: return &kLaughIcon;
    default: return nullptr;
    }
}

int IconInkIndex(char key) {
    for (int i = 0; i < kVgaColourCount; ++i)
        if (kIconInks[i] == key) return i;
    return -1;
}

char HandCursorInk(int x, int y) {
    if (x < 0 || y < 0 || x >= kHandWidth || y >= kHandHeight) return kCursorClear;
    return kHandCursor[y][x];
}
