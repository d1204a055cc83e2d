#pragma once

#include "masterdata/PartnersForm.h"

#include <QDialog>

class CTarvoDoc;
class FormHost;
class PartnerListPanel;

// "избор на контрагент": the modal list from which documents choose a partner.
class CPartnerSelectionDlg : public QDialog {
    Q_OBJECT
public:
    CPartnerSelectionDlg(CTarvoDoc& doc, FormHost& host, PartnerTab tab, int preselectedId,
                            QWidget* parent = nullptr);

    // The chosen partner's id; 0 before a choice.
    int ChosenId() const { return m_chosen; }

private:
    void Reload(int selectId);
    void Choose();

    Prompter& m_prompter;
    PartnersForm m_form;
    PartnerListPanel* m_panel;
    int m_chosen = 0;
};

// The selection dialog behind the documents' partner choice.
class GuiPartnerChooser : public PartnerChooser {
public:
    GuiPartnerChooser(CTarvoDoc& doc, FormHost& host, QWidget* parent)
        : m_doc(doc), m_host(host), m_parent(parent) {}
    std::optional<int> ChoosePartner(PartnerTab initialTab, int preselectedId) override;

private:
    CTarvoDoc& m_doc;
    FormHost& m_host;
    QWidget* m_parent;
};
