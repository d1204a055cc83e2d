#pragma once

#include <QStringList>

// The captions of one menu with an Alt+letter each: the first letter of a
// caption that no caption before it in the menu uses, marked with '&'. A '&'
// of the caption itself is kept as a character ("&&"). A caption with no
// free letter gets none.
QStringList WithMnemonics(const QStringList& captions);

// The letter a caption's mnemonic stands for, lower-cased; null when none.
QChar MnemonicOf(const QString& caption);
