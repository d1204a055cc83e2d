#include "app/ui/CClosePeriodDlg.h"

#include "base/Clock.h"
#include "base/ui/DateField.h"
#include "base/ui/DialogButtons.h"
#include "lists/ui/CDatePeriodsBtn.h"
#include "trade/DocumentKinds.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

CClosePeriodDlg::CClosePeriodDlg(PeriodClosing& closing, LocalSettings& settings, const Clock& clock,
                                 QWidget* parent)
    : QDialog(parent), m_closing(closing) {
    setWindowTitle("изтриване на документи по типове и периоди");
    const QDate today = clock.Now().date();

    m_all = new QRadioButton("изтриване на всички издадени досега документи от избраните типове");
    m_upToMode = new QRadioButton("изтриване на документите издадени до тази дата:");
    m_periodMode = new QRadioButton("само за периода:");
    m_upTo = MakeDateField(this, "до дата");
    m_from = MakeDateField(this, "от дата");
    m_to = MakeDateField(this, "до дата");
    m_upTo->setDate(QDate(today.year() - 1, 12, 31));
    m_from->setDate(QDate(today.year() - 1, 1, 1));
    m_to->setDate(QDate(today.year() - 1, 12, 31));
    auto* periodButton = new CDatePeriodsBtn(m_from, m_to, settings, clock, this);
    periodButton->setText("от...  до...");
    m_upToMode->setChecked(true);

    auto* modes = new QGroupBox("период");
    auto* modeGrid = new QGridLayout(modes);
    modeGrid->addWidget(m_all, 0, 0, 1, 4);
    modeGrid->addWidget(m_upToMode, 1, 0);
    modeGrid->addWidget(m_upTo, 1, 1);
    modeGrid->addWidget(m_periodMode, 2, 0);
    m_periods = new QWidget;
    auto* periodRow = new QHBoxLayout(m_periods);
    periodRow->setContentsMargins(0, 0, 0, 0);
    periodRow->addWidget(m_from);
    periodRow->addWidget(m_to);
    periodRow->addWidget(periodButton);
    modeGrid->addWidget(m_periods, 2, 1, 1, 3);
    for (QRadioButton* mode : {m_all, m_upToMode, m_periodMode})
        connect(mode, &QRadioButton::toggled, this, &CClosePeriodDlg::UpdateEnabling);

    auto* kinds = new QGroupBox("типове документи");
    auto* kindGrid = new QGridLayout(kinds);
    int index = 0;
    for (const DocumentKindInfo& info : DocumentKinds::All()) {
        if (!info.closingCaption)
            continue;
        const DocumentKind kind = info.kind;
        const char* caption = info.closingCaption;
        auto* box = new QCheckBox(caption);
        m_kinds[kind] = box;
        kindGrid->addWidget(box, index % 6, index / 6);
        ++index;
    }
    m_archive = new QCheckBox("автоматично архивирай БД");
    m_archive->setChecked(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(modes);
    layout->addWidget(kinds);
    layout->addWidget(m_archive);
    layout->addWidget(MakeOkCancelButtons(this));
    UpdateEnabling();
}

void CClosePeriodDlg::UpdateEnabling() {
    m_upTo->setEnabled(m_upToMode->isChecked());
    m_periods->setEnabled(m_periodMode->isChecked());
}

ClosingRequest CClosePeriodDlg::Request() const {
    ClosingRequest request;
    request.mode = m_all->isChecked()        ? ClosingRequest::Mode::All
                   : m_upToMode->isChecked() ? ClosingRequest::Mode::UpTo
                                             : ClosingRequest::Mode::Period;
    request.upTo = m_upTo->date();
    request.from = m_from->date();
    request.to = m_to->date();
    for (const auto& [kind, box] : m_kinds)
        if (box->isChecked())
            request.kinds.insert(kind);
    request.archiveFirst = m_archive->isChecked();
    return request;
}

void CClosePeriodDlg::accept() {
    if (m_closing.Confirm(Request()))
        QDialog::accept();
}
