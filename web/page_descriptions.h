#pragma once
// What the page shows but the module knows, told through the page's calls
// (web/page_calls.h): the texts, pictures and sounds, the menus, the score
// table, the options' marks and the dialog templates laid out in pixels.
#include "commands/menus.h"
#include "game/state.h"
#include "resources/dialog_script.h"
#include "store/settings.h"
#include "web/page_input.h"

// The games there are to share: the one going on, the last that ended.
struct Shares {
    bool gameGoingOn;
    bool lastEnded;
};

// The page's popup menus (0 main, 1 the icon's), or null; the main menu
// has an item for each game to share. Valid until the next call.
const MenuTable* PageMenu(int which, Shares shares);

void DescribeToPage(PageDescription what, int which, const Game& game, const ScoreTable& scores, Shares shares);

// Template `templateId` laid out for a font whose 52 letters measure
// `alphabetWidth` and whose height is `fontHeight`; false when there is no
// such template.
bool DescribeDialog(int templateId, int alphabetWidth, int fontHeight);

// The information sheet's frame laid out for that font, and its pages.
void DescribeSheet(int alphabetWidth, int fontHeight);
