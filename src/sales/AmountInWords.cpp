#include "sales/AmountInWords.h"

#include "format/FormatNumber.h"

namespace {

// The gender of the counted word: "лев" and "евроцент" masculine,
// "хиляда" and "стотинка" feminine, "евро" neuter.
enum class Gender { Masculine, Feminine, Neuter };

const char* const kMasculine[] = {"",    "един", "два",   "три",  "четири",
                                  "пет", "шест", "седем", "осем", "девет"};
const char* const kFeminine[] = {"", "една", "две", "три", "четири", "пет", "шест", "седем", "осем", "девет"};
const char* const kNeuter[] = {"", "едно", "две", "три", "четири", "пет", "шест", "седем", "осем", "девет"};
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

const char* const* unitsOf(Gender gender) {
    return gender == Gender::Feminine ? kFeminine : gender == Gender::Neuter ? kNeuter : kMasculine;
}

// 1 to 19, or a round ten: written as one word.
// A tens word with its unit: "двадесет и една", "тридесет и два".
QString tensWords(int m, Gender gender) {
    if (gender == Gender::Feminine)
        return QString(kTens[m / 10]) + kFeminineAfterTens[m % 10];
    return QString(kTens[m / 10]) + (m % 10 ? QString(" и ") + unitsOf(gender)[m % 10] : QString());
}

bool isOneWord(int m) {
    return m < 20 || m % 10 == 0;
}

// The words of 1 to 999, the final unit in the gender given.
QString groupWords(int m, Gender gender) {
    const char* const* units = unitsOf(gender);
    if (m < 10)
        return units[m];
    if (m < 20)
        return kTeens[m - 10];
    if (m < 100)
        return tensWords(m, gender);
    const int rest = m % 100;
    QString hundreds = kHundreds[m / 100];
    if (rest == 0)
        return hundreds;
    if (isOneWord(rest))
        return hundreds + " и " + groupWords(rest, gender);
    return hundreds + " " + groupWords(rest, gender);
}

// The words of 1 to 999 999.
QString belowMillion(int n, Gender gender) {
    if (n < 1000)
        return n == 0 ? QString() : groupWords(n, gender);
    const int thousands = n / 1000;
    const int rest = n % 1000;
    const QString words =
        thousands < 10 ? QString(kThousands[thousands]) : groupWords(thousands, Gender::Feminine) + " хиляди";
    if (rest == 0)
        return words;
    if ((rest < 100 && isOneWord(rest)) || (thousands < 10 && rest % 100 == 0))
        return words + " и " + groupWords(rest, gender);
    return words + " " + groupWords(rest, gender);
}

// A number written as one part: a single word, round hundreds, or round
// thousands of such a number ("пет", "петстотин", "петстотин хиляди").
bool isOnePart(int n) {
    if (n < 100)
        return isOneWord(n);
    if (n < 1000)
        return n % 100 == 0;
    return n % 1000 == 0 && isOnePart(n / 1000);
}

// The words of 1 to 999 999 999; "и" joins the millions to a rest of one
// part ("един милион и пет", "един милион двадесет и един").
QString integerWords(int n, Gender gender) {
    const int millions = n / 1000000;
    const int rest = n % 1000000;
    if (millions == 0)
        return belowMillion(rest, gender);
    const QString words =
        millions == 1 ? QString("един милион") : groupWords(millions, Gender::Masculine) + " милиона";
    if (rest == 0)
        return words;
    return words + (isOnePart(rest) ? " и " : " ") + belowMillion(rest, gender);
}

} // namespace

QString LevaWords(const QString& amountText) {
    const QString integerPart = amountText.left(amountText.size() - 3);
    return integerWords(integerPart.toInt(), Gender::Masculine) + " лева";
}

QString StotinkiWords(const QString& amountText) {
    const int cents = amountText.right(2).toInt();
    if (cents == 0)
        return QString();
    return groupWords(cents, Gender::Feminine) + " стотинки";
}

QString AmountInWords(double amount, Currency currency) {
    const QString text = FormatNumber(amount, 2);
    if (text == "0.00")
        return QString();
    if (text.startsWith('-'))
        return "минус " + AmountInWords(-amount, currency);
    // Beyond the words' range the figure stands for them.
    if (text.size() > 12)
        return text + (currency == Currency::BGN ? " лв." : " евро");
    const QString cents = text.right(2);
    const bool whole = cents == "00";
    const bool belowOne = text.startsWith("0.");
    if (currency == Currency::BGN) {
        if (whole)
            return LevaWords(text);
        if (belowOne)
            return StotinkiWords(text);
        return QString::asprintf("%s и %s ст.", qUtf8Printable(LevaWords(text)), qUtf8Printable(cents));
    }
    const QString euro = integerWords(text.left(text.size() - 3).toInt(), Gender::Neuter) + " евро";
    if (whole)
        return euro;
    if (belowOne) {
        const int count = cents.toInt();
        return groupWords(count, Gender::Masculine) + (count == 1 ? " евроцент" : " евроцента");
    }
    return euro + " и " + cents + " евроцента";
}
