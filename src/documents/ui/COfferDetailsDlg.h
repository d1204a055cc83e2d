#pragma once

#include "documents/OffersForm.h"

#include <QDialog>

class QLineEdit;

// "оферти - допълнителни данни": the addressee, what the offer is for, notes,
// validity and author.
class COfferDetailsDlg : public QDialog {
    Q_OBJECT
public:
    COfferDetailsDlg(const OfferDetails& details, QWidget* parent = nullptr);
    OfferDetails Details() const;

private:
    QLineEdit* m_toPerson;
    QLineEdit* m_subtitle;
    QLineEdit* m_note;
    QLineEdit* m_validity;
    QLineEdit* m_signedBy;
};

class GuiOfferDetailsEditor : public OfferDetailsEditor {
public:
    explicit GuiOfferDetailsEditor(QWidget* parent) : m_parent(parent) {}
    bool EditDetails(OfferDetails& details) override;

private:
    QWidget* m_parent;
};
