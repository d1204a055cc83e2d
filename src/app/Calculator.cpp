#include "app/Calculator.h"

#include "base/Prompter.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

QString FindCalculator() {
    for (const char* name : {"gnome-calculator", "kcalc", "mate-calc", "galculator", "xcalc"}) {
        QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

bool StartCalculator(Prompter& prompter) {
    const QString calculator = FindCalculator();
    if (calculator.isEmpty()) {
        prompter.Message(
            "На компютъра не е инсталиран калкулатор.\nИнсталирайте някой от gnome-calculator, kcalc, "
            "mate-calc, galculator или xcalc.",
            MessageIcon::Information);
        return false;
    }
    if (!QProcess::startDetached(calculator, {})) {
        prompter.Message(QString("Калкулаторът %1 не може да бъде стартиран.").arg(calculator),
                         MessageIcon::Stop);
        return false;
    }
    return true;
}
