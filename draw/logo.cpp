// The logo (bitmap 102): a cartoon fox waving a paw, in orange tones on the
// logo's light grey ground. One character per pixel, rows top to bottom;
// kLogoInks says which colour each character stands for.
#include <cassert>

#include "draw/palette.h"
#include "draw/pictures.h"

namespace {

struct Ink {
    char key;
    Rgb colour;
};

constexpr Ink kLogoInks[] = {
    {'.', kLogoGround},
    {':', {160, 160, 164}},  // the fox's shadow on the ground
    {'k', {72, 32, 8}},      // outline
    {'d', {196, 88, 12}},    // fur in shade
    {'o', {244, 132, 28}},   // fur
    {'l', {255, 184, 80}},   // fur in light
    {'c', {255, 238, 204}},  // cream: muzzle, belly, paws, tail tip
    {'e', {232, 200, 150}},  // cream in shade
    {'n', {40, 24, 16}},     // eyes and nose
    {'w', {255, 255, 255}},  // glints
    {'r', {200, 64, 48}},    // inner ears and mouth
    {'b', {120, 56, 16}},    // feet
};

constexpr char kLogoRows[kLogoHeight][kLogoWidth + 1] = {
    "..............................................................................",
    "..............................................................................",
    "...............k............................................k.................",
    "...............kkk........................................kkk.................",
    "...............klok......................................kldk.................",
    "...............klook....................................klldk.................",
    "...............kloookk................................kklllok.................",
    "...............kloroook..............................klllkook.................",
    "..............kllorroook............................klllrkoodk................",
    "..............kllorrroookk........................kklllrrkoodk................",
    "..............kloorrrrooook......................kllllrrrkoodk................",
    "..............kloorrrrrroook.....kkkkkkkkkk.....klllrrrrrkoodk................",
    "..............kloorrrrrrroookkkkkllllllllllkkkkklllrrrrrrkoodk................",
    "..............kloorrrrrrrrokklllllloooooooooollkklrrrrrrrkoodk................",
    "..............klorrrrrrrrkkllllooooooooooooooooookkrrrrrrroodk................",
    "..............klorrrrrrkkllllooooooooooooooooooooookkrrrrrkodk................",
    "..............klorrrrrkllllooooooooooooooooooooooooookrrrrkodk................",
    "..............klorrrrkllloooooooooooooooooooooooooooookrrrkodk................",
    "..............klorrrkllloooooooooooooooooooooooooooooookrrkook................",
    "..............klorkklllooookkkkoooooooooooooookkkkooooookrkook................",
    ".............kllokkkllooookoooooooooooooooooooooookoooookrkoodk...............",
    ".............klldkkllooooooooooooooooooooooooooooooooooodkkoodk...............",
    ".............kddddklloooooooonnoooooooooooooonnooooooooookooodk...............",
    ".............kddkkkloooooooonnnnoooooooooooonnnnoooooooookkkodk...............",
    ".............kkk.kllooooooonnwwnnoooooooooonnwwnnoooooooodk.kkk...............",
    ".............k...kllooooooonnwnnnoooooooooonnwnnnoooooooodk...k...............",
    ".................kloooooooonnnnnnoooooooooonnnnnnoooooooodk...................",
    ".................kloooooooonnnnnnoooooooooonnnnnnoooooooodk...................",
    ".................kloooooooonnnnnnoooooooooonnnnnnoooooooook...................",
    ".................kloooooooonnnnnnoooooooooonnnnnnoooooooook...................",
    "................kllooooooooonnnnoooooooooooonnnnoooooooooook..................",
    "...............kllloooooooooonnoooooooooooooonnoooooooooooook.................",
    "..............klllooooooooooooooccccccccccccoooooooooooooooook................",
    ".............kllloooocooooooocccccccnnnncccccccooooooocoooooook...............",
    "............kllloooccceooooocccccccnnwnnncccccccooooocccoooooook..............",
    "............klloooccccccoooccccccccnnnnnnccccccccoooccccccoooook..............",
    "...........kllooccccccccooccccccccccnnnnccccccccccooccccccccooook.............",
    "..........klllcccccccccccccccccccccccckcccccccccccccccccccceeooook............",
    "......kk.kllleeeeecccccccccccccccccccckccccccccccccccceeeeeeeeeoddk...........",
    "...kkkcckkdddooeeeeeeeeccccccccckkccccccccckkcccceeeeeeeeeeeedddddkk..........",
    "..kccccccckkkkkddoooeeeeeccccccckkkkkkkkkkkkccceeeeeeeeedddddkkkkkkkk.........",
    "..kcccccccek...kkkkdddoooecccccckrrrrrrrrrrkcceeeeeddddddkkkk..kkcccckk.......",
    "..kcccccccek.......kkkkkdddeeeeeekkrrrrrrkkeeeeeedddkkkkk.....kcccccccck......",
    "..kcccccccek............kkkkkkkkkkkkkkkkkkkkkkkkkkkk.........kcccccccccck.....",
    "..kcccccccek...............kllloooooooooooooooodk...........kccccccccccck.....",
    "..kcccccccek...............kllooooooooooooooooodk..........kccccccccccccek....",
    "..kcccccccek...............kloooooooooooooooooodk..........kccccccccccccek....",
    "..kcccccccekkk.............kloooooooooooooooooook.........keeeeeeeeeeeeeek....",
    "..kcccccceekookk...........kloooooooooooooooooook.........kkkkkkkkkkkkkkkk....",
    "..kcccccceekooookk........kllooooooooooooooooooook........kloooooooooooodk....",
    "...kcccceekoooooookk.....kllloooooooooooooooooooook...kkkklloooooooooooodk....",
    "...keeeeeekoooooooookk...kllooooooooooooooooooooook.kklllllloooooooooooddk....",
    "....kkkkkkooooooooooookkkllooooooooooooooooooooooooklllloooooooooooooooddk....",
    "........kkooooooooooooookllooooooooccccccooooooooookkkkoooooooooooooooddk.....",
    "..........kooooooooooooookkooooooccccccccccoooooookllllkooooooooooooodddk.....",
    "...........kkooooooooooooookooooccccccccccccoooookllloodkooooooooooodddk......",
    ".............kkoooooooooooodkooccccccccccccceooookllooookoooooooooodddk.......",
    "...............kkoooooooooodkoccccccccccccccceoookloooookooooooooooddk........",
    ".................kkoooooooddkoccccccccccccccceoooklooooodkooooooooodk.........",
    "...................kkoooodddkcccccccccccccccceeoookooooookooooooooook.........",
    ".....................kkddddkoccccccccccccccccceoookooooookooooooooook.........",
    "......................kkkkkooccccccccccccccccceoooklooooodkooooooooook........",
    "......................kloooocccccccccccccccccceeoookooooodkooooooooook........",
    "......................kloooocccccccccccccccccceeoookooooookoooooooooook.......",
    "......................kloooocccccccccccccccccceeoookloooookoooooooooook.......",
    "......................kloooocccccccccccccccccceeoooklooooodkoooooooooodk......",
    "......................kloooocccccccccccccccccceeooodkooooookoooooooooodk......",
    ".......................koooocccccccccccccccccceeooodkookkkkkoooooooooodk......",
    ".......................kooooccccccccccccccccceeeooddkkkcccckkooooooooook......",
    ".......................kloooccccccccccccccccceeeooddkkcccccekooooooooook......",
    "........................koooocccccccccccccccceeooddkkkcccccekoooooooooodk.....",
    "........................kooooccccccccccccccceeeooddk.kcccccekoooooooooodk.....",
    "........................kkoooccccccccccccccceeeoddk..kccceeekoooooooooodk.....",
    "........................kkooooccccccccccccceeeodddk..kkeeeekkoooooooooddk.....",
    "........................klkooocccccccccccceeeedddkk...kkkkkoooooooooooddk.....",
    "........................klokooocccccccccceeeedddkdk....koooooooooooooodk......",
    "........................klookoooecccccceeeeedddkodk.....kooooooooooooddk......",
    "........................kloookoooeeeeeeeeeedddkoodk......koooooooooooddk......",
    "........................klooookkoooeeeeeedddkkooodk.......koooooooooddk.......",
    "........................klooooookkddddddddkkooooodk........kkoooooddddk.......",
    "........................kloooooodkkkkkkkkkloooooodk..........kkdddddkk........",
    "........................kkkkkkkkdk.......klkkkkkkkk............kkkkk..........",
    "......................kkbbbbbbbbkk.......kkbbbbbbbbkk.........................",
    ".....................kbbbbbbbbbbbbk.....kbbbbbbbbbbbbk........................",
    ".....................kbbbbbbbbbbbbk.....kbbbbbbbbbbbbk........................",
    ".....................kbbbbbbbbbbbbk:::::kbbbbbbbbbbbbk:::.....................",
    "................::::::kkbbbbbbbbkk:::::::kkbbbbbbbbkk:::::::::::..............",
    ".............:::::::::::kkkkkkkk:::::::::::kkkkkkkk::::::::::::::::...........",
    ".............::::::::::::::::::::::::::::::::::::::::::::::::::::::...........",
    "................::::::::::::::::::::::::::::::::::::::::::::::::..............",
    ".......................::::::::::::::::::::::::::::::::::.....................",
    "..............................................................................",
};

constexpr bool IsInk(char key) {
    for (const Ink& ink : kLogoInks) {
        if (ink.key == key) return true;
    }
    return false;
}

// Every row is full width and uses only known inks; a short row would
// silently end in zero bytes.
constexpr bool RowsAreWellFormed() {
    for (const auto& row : kLogoRows) {
        for (int x = 0; x < kLogoWidth; ++x) {
            if (!IsInk(row[x])) return false;
        }
    }
    return true;
}
static_assert(RowsAreWellFormed(), "logo rows must be 78 known inks wide");

}  // namespace

Rgb LogoPixel(int x, int y) {
    assert(x >= 0 && x < kLogoWidth && y >= 0 && y < kLogoHeight);
    if (x < 0 || x >= kLogoWidth || y < 0 || y >= kLogoHeight) return kLogoGround;
    const char key = kLogoRows[y][x];
    for (const Ink& ink : kLogoInks) {
        if (ink.key == key) return ink.colour;
    }
    return kLogoGround;
}
