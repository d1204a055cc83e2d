#include "base/ui/DateField.h"

#include <QDateEdit>

QDateEdit* MakeDateField(QWidget* parent, const QString& accessibleName) {
    auto* field = new QDateEdit(parent);
    field->setCalendarPopup(true);
    field->setDisplayFormat("dd.MM.yyyy");
    field->setAccessibleName(accessibleName);
    return field;
}
