#pragma once

class QMenu;
class QWidget;

// The keys shown in a form's pop-up menu work on the whole form, as its
// buttons' keys do. The entries keep showing their keys, but answer them only
// while the menu is open, so that a key never has two owners (Qt would then
// call it ambiguous and do nothing).
void BindMenuKeys(QWidget* form, QMenu* menu);
