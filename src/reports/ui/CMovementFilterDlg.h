#pragma once

#include "masterdata/GroupTree.h"
#include "reports/StockMovementReport.h"

#include <QDialog>

class CTarvoDoc;
class FormHost;
class QCheckBox;
class QDateEdit;
class QLineEdit;

// "филтър - обобщена справка": the period, the stocktaking of the opening
// balance, the groups and the kinds of the stock movement report. Modeless,
// made with the form; "Прилагане на филтъра" writes the conditions, hides it
// and asks the form to reload.
class CMovementFilterDlg : public QDialog {
    Q_OBJECT
public:
    CMovementFilterDlg(CTarvoDoc& doc, FormHost& host, StockMovementReport& report,
                       QWidget* parent = nullptr);

    void Apply();
    QLineEdit* Stocktaking() const { return m_stocktaking; }

Q_SIGNALS:
    void applied();

private:
    void ShowConditions();

    CTarvoDoc& m_doc;
    FormHost& m_host;
    StockMovementReport& m_report;
    StockMovementReport::Conditions m_conditions;
    std::vector<GroupNode> m_groups;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QLineEdit* m_stocktaking;
    QCheckBox* m_goods;
    QCheckBox* m_products;
    QCheckBox* m_services;
};
