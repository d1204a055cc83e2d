#pragma once

#include <QDateEdit>

class QString;
class QWidget;

// A date box of a form: DD.MM.YYYY with the calendar to pick from. The
// arrow and page keys change only the part of the date that is highlighted:
// with the cursor merely standing in a part, the first key highlights it and
// the next ones change it, so a year never changes unseen.
class DateField : public QDateEdit {
    Q_OBJECT
public:
    explicit DateField(QWidget* parent = nullptr);
    void stepBy(int steps) override;
};

QDateEdit* MakeDateField(QWidget* parent, const QString& accessibleName);
