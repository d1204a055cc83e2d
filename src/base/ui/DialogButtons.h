#pragma once

class QDialog;
class QDialogButtonBox;
class QHBoxLayout;
class QPushButton;
class QWidget;

// The "OK" and "Отказ" buttons of a small dialog, wired to accept and reject.
QDialogButtonBox* MakeOkCancelButtons(QDialog* dialog);

// The button row of a record dialog: `leading` at the left, then "Запис"
// (the default, accepts) and "Отказ" (rejects) at the right.
struct SaveCancelRow {
    QHBoxLayout* layout;
    QPushButton* save;
    QPushButton* cancel;
};
SaveCancelRow MakeSaveCancelRow(QDialog* dialog, QWidget* leading);
