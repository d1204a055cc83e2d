#pragma once

#include "masterdata/PartnersForm.h"

#include <QWidget>

class FormHost;
class CTarvoDoc;
class PartnerListPanel;
class QLineEdit;
class QPushButton;

// "TARVO - КОНТРАГЕНТИ": the list of customers and suppliers with search,
// create, edit, delete, export and print.
class CPartnersDlg : public QWidget {
    Q_OBJECT
public:
    CPartnersDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent = nullptr);

    PartnersForm& Behaviour() { return m_form; }
    PartnerListPanel* Panel() const { return m_panel; }

private:
    void Reload();
    void Search();
    void Refresh();
    void Create();
    void Edit();
    void Delete();
    void Export();
    void Print();
    void UpdateState();

    FormHost& m_host;
    PartnersForm m_form;
    PartnerListPanel* m_panel;
    QLineEdit* m_count;
    QPushButton* m_edit;
    QPushButton* m_delete;
    QPushButton* m_print;
};
