#pragma once

#include "trade/DocumentBrowser.h"

#include <QDialog>

class CSortListCtrl;
class CTarvoDoc;
class FormHost;
class QCheckBox;
class QDateEdit;

// "избор на документ": the stored documents of one kind, filtered by
// partner, search text and period, from which the user picks one (or, for a
// collective invoice, several).
class CDocumentBrowserDlg : public QDialog {
    Q_OBJECT
public:
    CDocumentBrowserDlg(CTarvoDoc& doc, FormHost& host, DocumentKind kind, int partnerId,
                        QWidget* parent = nullptr);

    const std::optional<DocumentChoice>& Choice() const { return m_choice; }
    CSortListCtrl* List() const { return m_list; }
    DocumentBrowser& Behaviour() { return m_browser; }

protected:
    void accept() override;

private:
    void Reload();
    void Search(bool bySerial);
    void MendMark();

    FormHost& m_host;
    DocumentBrowser m_browser;
    CSortListCtrl* m_list;
    QCheckBox* m_period;
    QDateEdit* m_from;
    QDateEdit* m_to;
    std::optional<DocumentChoice> m_choice;
};

// The browser behind every document form's DocumentChooser.
class GuiDocumentChooser : public DocumentChooser {
public:
    GuiDocumentChooser(CTarvoDoc& doc, FormHost& host, QWidget* parent)
        : m_doc(doc), m_host(host), m_parent(parent) {}
    std::optional<DocumentChoice> ChooseDocument(DocumentKind kind, int partnerId) override;

private:
    CTarvoDoc& m_doc;
    FormHost& m_host;
    QWidget* m_parent;
};
