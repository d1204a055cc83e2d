#pragma once

class QDateEdit;
class QString;
class QWidget;

// A date box of a form: DD.MM.YYYY with the calendar to pick from.
QDateEdit* MakeDateField(QWidget* parent, const QString& accessibleName);
