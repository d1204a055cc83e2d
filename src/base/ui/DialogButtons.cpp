#include "base/ui/DialogButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>

QDialogButtonBox* MakeOkCancelButtons(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    buttons->button(QDialogButtonBox::Cancel)->setText("Отказ");
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

SaveCancelRow MakeSaveCancelRow(QDialog* dialog, QWidget* leading) {
    auto* save = new QPushButton("Запис", dialog);
    save->setDefault(true);
    auto* cancel = new QPushButton("Отказ", dialog);
    cancel->setAutoDefault(false);
    QObject::connect(save, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(leading);
    row->addStretch();
    row->addWidget(save);
    row->addWidget(cancel);
    return {row, save, cancel};
}
