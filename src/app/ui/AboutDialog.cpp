#include "app/ui/AboutDialog.h"

#include "base/AppInfo.h"
#include "db/FirmLocation.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

AboutDialog::AboutDialog(const QString& location, QWidget* parent) : QDialog(parent) {
    setWindowTitle("За програмата");
    auto* name = new QLabel(AppInfo::kWindowTitle, this);
    QFont nameFont = name->font();
    nameFont.setPointSize(nameFont.pointSize() * 2);
    nameFont.setBold(true);
    name->setFont(nameFont);
    auto* version = new QLabel(AppInfo::kVersionLabel, this);
    auto* purpose =
        new QLabel("Склад, продажби и търговски документи за малки търговски и производствени фирми.", this);
    purpose->setWordWrap(true);
    auto* place = new QLabel("Данните на фирмата: " + WithoutPassword(location), this);
    place->setWordWrap(true);
    place->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name, 0, Qt::AlignHCenter);
    layout->addWidget(version, 0, Qt::AlignHCenter);
    layout->addWidget(purpose);
    layout->addWidget(place);
    layout->addWidget(buttons);
}
