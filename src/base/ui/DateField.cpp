#include "base/ui/DateField.h"

#include <QLineEdit>

DateField::DateField(QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
    setDisplayFormat("dd.MM.yyyy");
}

void DateField::stepBy(int steps) {
    if (!lineEdit()->hasSelectedText()) {
        setSelectedSection(currentSection());
        return;
    }
    QDateEdit::stepBy(steps);
}

QDateEdit* MakeDateField(QWidget* parent, const QString& accessibleName) {
    auto* field = new DateField(parent);
    field->setAccessibleName(accessibleName);
    return field;
}
