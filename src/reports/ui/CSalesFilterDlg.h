#pragma once

#include "masterdata/GroupTree.h"
#include "reports/SalesReport.h"

#include <QDialog>

class CTarvoDoc;
class FormHost;
class QCheckBox;
class QDateEdit;
class QListWidget;
class QRadioButton;

// "филтър - реализация": the conditions of the sales report. Modeless, made
// with the form and kept while it lives; "приложи филтъра" writes the
// conditions, hides it and asks the form to reload.
class CSalesFilterDlg : public QDialog {
    Q_OBJECT
public:
    CSalesFilterDlg(CTarvoDoc& doc, FormHost& host, SalesReport& report, QWidget* parent = nullptr);

    void Apply();
    QListWidget* CustomerList() const { return m_customers; }
    QCheckBox* NotInvoicedBox() const { return m_notInvoiced; }
    QRadioButton* InvoicesButton() const { return m_invoices; }

Q_SIGNALS:
    void applied();

private:
    QWidget* BuildCustomers();
    void FillCustomers();

    CTarvoDoc& m_doc;
    FormHost& m_host;
    SalesReport& m_report;
    std::vector<GroupNode> m_groups;
    QString m_nameSearch;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QRadioButton* m_goodsNotes;
    QRadioButton* m_invoices;
    QCheckBox* m_notInvoiced;
    std::vector<std::pair<int, QCheckBox*>> m_kinds;
    QRadioButton* m_detailed;
    QRadioButton* m_merged;
    QListWidget* m_customers;
};
