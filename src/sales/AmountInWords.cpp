#include "sales/AmountInWords.h"

#include "format/FormatNumber.h"

namespace {

const char* const kUnits[] = {"", "един", "два", "три", "четири", "пет", "шест", "седем", "осем", "девет"};
const char* const kUnitsFeminine[] = {"",    "една", "две",   "три",  "четири",
                                      "пет", "шест", "седем", "осем", "девет"};
// A feminine unit after a tens word, with its joining piece.
const char* const kFeminineAfterTens[] = {"",       " и една", " и две",   " и три",  " и четири",
                                          " и пет", " и шест", " и седем", " и осем", " и девет"};
const char* const kTeens[] = {"десет",      "единадесет",  "дванадесет",   "тринадесет",  "четиринадесет",
                              "петнадесет", "шестнадесет", "седемнадесет", "осемнадесет", "деветнадесет"};
const char* const kTens[] = {"",         "",          "двадесет",   "тридесет",  "четиридесет",
                             "петдесет", "шестдесет", "седемдесет", "осемдесет", "деветдесет"};
const char* const kHundreds[] = {"",          "сто",        "двеста",      "триста",     "четиристотин",
                                 "петстотин", "шестстотин", "седемстотин", "осемстотин", "деветстотин"};
const char* const kThousands[] = {"",           "хиляда",      "две хиляди",   "три хиляди",  "четири хиляди",
                                  "пет хиляди", "шест хиляди", "седем хиляди", "осем хиляди", "девет хиляди"};

// 1 to 19, or a round ten: written as one word.
bool isOneWord(int m) {
    return m < 20 || m % 10 == 0;
}

// The words of 1 to 999; feminine puts "една" and "две" for a final unit.
QString groupWords(int m, bool feminine) {
    const char* const* units = feminine ? kUnitsFeminine : kUnits;
    if (m < 10)
        return units[m];
    if (m < 20)
        return kTeens[m - 10];
    if (m < 100) {
        if (feminine)
            return QString(kTens[m / 10]) + kFeminineAfterTens[m % 10];
        return QString(kTens[m / 10]) + (m % 10 ? QString(" и ") + units[m % 10] : QString());
    }
    const int rest = m % 100;
    QString hundreds = kHundreds[m / 100];
    if (rest == 0)
        return hundreds;
    if (isOneWord(rest))
        return hundreds + " и " + groupWords(rest, feminine);
    return hundreds + " " + groupWords(rest, feminine);
}

QString integerWords(int n) {
    if (n < 1000)
        return n == 0 ? QString() : groupWords(n, false);
    const int thousands = n / 1000;
    const int rest = n % 1000;
    QString words;
    if (thousands < 10) {
        words = kThousands[thousands];
        if (rest == 0)
            return words;
        if (rest < 100 && isOneWord(rest))
            return words + " и " + groupWords(rest, false);
        if (rest % 100 == 0)
            return words + " и " + kHundreds[rest / 100];
        return words + " " + groupWords(rest, false);
    }
    words = groupWords(thousands, true) + " хиляди";
    if (rest == 0)
        return words;
    if (rest < 100 && isOneWord(rest))
        return words + " и " + groupWords(rest, false);
    return words + " " + groupWords(rest, false);
}

} // namespace

QString LevaWords(const QString& amountText) {
    const QString integerPart = amountText.left(amountText.size() - 3);
    if (amountText.size() > 9)
        return " лева";
    return integerWords(integerPart.toInt()) + " лева";
}

QString StotinkiWords(const QString& amountText) {
    const QString cents = amountText.right(2);
    if (cents == "00")
        return QString();
    const int tens = cents[0].digitValue();
    const int units = cents[1].digitValue();
    QString words;
    if (tens == 0)
        words = kUnitsFeminine[units];
    else if (tens == 1)
        words = kTeens[units];
    else
        words = QString(kTens[tens]) + kFeminineAfterTens[units];
    return words + " стотинки";
}

QString AmountInWords(double amount) {
    const QString text = FormatNumber(amount, 2);
    if (text == "0.00")
        return QString();
    if (text.startsWith('-'))
        return "минус " + AmountInWords(-amount);
    const QString cents = text.right(2);
    if (cents == "00")
        return LevaWords(text);
    if (text[0] == '0')
        return StotinkiWords(text);
    return QString::asprintf("%s и %s ст.", LevaWords(text).toUtf8().constData(), cents.toUtf8().constData());
}
