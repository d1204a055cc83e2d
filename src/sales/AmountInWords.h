#pragma once

#include "format/Currency.h"

#include <QString>

// The amount to pay in Bulgarian words, up to 999 999 999.99.
// Leva: leva in words, stotinki as two digits ("сто двадесет лева и 50 ст."),
// or in words below one lev ("петдесет стотинки").
// Euro (neuter, no plural): "дванадесет евро и 50 евроцента", "едно евро и 05
// евроцента", below one euro "петдесет евроцента", "един евроцент".
// Zero gives an empty text. A negative amount, as on a credit note, is the
// words of its absolute value after "минус ".
QString AmountInWords(double amount, Currency currency = Currency::BGN);

// The parts in leva, on the amount's text with two decimals ("120.50").
QString LevaWords(const QString& amountText);
QString StotinkiWords(const QString& amountText);
