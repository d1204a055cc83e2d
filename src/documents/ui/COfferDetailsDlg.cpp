#include "documents/ui/COfferDetailsDlg.h"

#include "base/ui/DialogButtons.h"
#include "base/ui/TabOrder.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

COfferDetailsDlg::COfferDetailsDlg(const OfferDetails& details, QWidget* parent) : QDialog(parent) {
    setWindowTitle("оферти - допълнителни данни");
    const auto field = [this](const QString& text, int length) {
        auto* edit = new QLineEdit(text, this);
        edit->setMaxLength(length);
        return edit;
    };
    // The lengths of the columns that keep them.
    m_toPerson = field(details.toPerson, 100);
    m_subtitle = field(details.subtitle, 255);
    m_note = field(details.note, 255);
    m_validity = field(details.validity, 255);
    m_signedBy = field(details.signedBy, 100);
    auto* form = new QFormLayout;
    form->addRow("на вниманието на", m_toPerson);
    form->addRow("оферта за", m_subtitle);
    form->addRow("забележки", m_note);
    form->addRow("валидна до / срок на валидност", m_validity);
    form->addRow("офертата е съставена от", m_signedBy);
    auto* buttons = MakeOkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    SetTabOrder({m_toPerson, m_subtitle, m_note, m_validity, m_signedBy});
    m_toPerson->setFocus();
    resize(560, sizeHint().height());
}

OfferDetails COfferDetailsDlg::Details() const {
    return {m_toPerson->text(), m_subtitle->text(), m_note->text(), m_validity->text(), m_signedBy->text()};
}

bool GuiOfferDetailsEditor::EditDetails(OfferDetails& details) {
    COfferDetailsDlg dialog(details, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    details = dialog.Details();
    return true;
}
