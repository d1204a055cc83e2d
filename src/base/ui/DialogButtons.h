#pragma once

class QDialog;
class QDialogButtonBox;

// The "OK" and "Отказ" buttons of a small dialog, wired to accept and reject.
QDialogButtonBox* MakeOkCancelButtons(QDialog* dialog);
