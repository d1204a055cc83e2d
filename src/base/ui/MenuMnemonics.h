#pragma once

class QMenu;

// Gives every entry of a pop-up menu (and of its submenus) an Alt+letter of
// its own, as the menu bar's entries have; call it when the menu is complete.
void GiveMnemonics(QMenu* menu);
