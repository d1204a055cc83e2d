#pragma once

#include <QString>

// The amount to pay in Bulgarian words: leva in words, stotinki as two digits
// ("сто двадесет лева и 50 ст."), or in words below one lev ("петдесет
// стотинки"). Zero gives an empty text; from one million leva on the leva
// words are left out (" лева и 50 ст."). A negative amount, as on a credit
// note, is the words of its absolute value after "минус ".
QString AmountInWords(double amount);

// The parts, on the amount's text with two decimals ("120.50").
QString LevaWords(const QString& amountText);
QString StotinkiWords(const QString& amountText);
