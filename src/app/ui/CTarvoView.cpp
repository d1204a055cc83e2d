#include "app/ui/CTarvoView.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

CTarvoView::CTarvoView(CTarvoDoc& doc, QWidget* parent)
    : QWidget(parent), m_behaviour(doc), m_version(new QLabel(this)) {
    auto* title = new QLabel(StartView::WindowTitle(), this);
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() * 4);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    auto* subtitle = new QLabel("Склад, продажби и търговски документи", this);
    subtitle->setAlignment(Qt::AlignCenter);

    m_version->setAlignment(Qt::AlignRight | Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(2);
    layout->addWidget(title);
    layout->addWidget(subtitle);
    layout->addStretch(3);
    layout->addWidget(m_version);
}

void CTarvoView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_version->setText(StartView::VersionLabel());
    // After the window has been painted, so that any question about the
    // database appears over it.
    QTimer::singleShot(0, this, [this] {
        if (m_behaviour.Displayed())
            Q_EMIT databaseOpened();
    });
}
