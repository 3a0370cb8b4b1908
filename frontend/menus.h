// The menu screen: the current menu of the language file drawn every frame while the game
// is in the menu state, the highlight moved with the arrow keys, and the highlighted entry's
// action carried out on Enter. Level pages grey out locked levels and show the best result
// of the highlighted level, whose replay F1 starts.
#pragma once

// Kept while a level is played, so the menu comes back as it was left.
extern int CurrentMenu;
// The highlighted entry; the finish sequence moves it one on, to the next level.
extern int MenuChoice;
// x of the scrolling help line; back to the right edge whenever another menu is shown.
extern int HelpScrollX;
// The level started last, played or replayed.
extern int CurrentLevel;

namespace TMenu {
// One frame of the menu screen.
void Run();
}  // namespace TMenu
