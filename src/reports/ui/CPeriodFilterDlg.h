#pragma once

#include "masterdata/GroupTree.h"
#include "reports/PeriodReport.h"

#include <QDialog>

class CTarvoDoc;
class FormHost;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QRadioButton;

// The filter of the delivery ("филтър - доставки"), production ("филтър -
// производство") and materials ("филтър - вложени материали") reports: the
// period, "избор на групи", "подробна" / "обобщена", and each report's own
// condition. Modeless, made with its form; "приложи филтъра" writes the
// conditions, hides it and asks the form to reload.
class CPeriodFilterDlg : public QDialog {
    Q_OBJECT
public:
    enum class Kind { Deliveries, Production, Materials };
    CPeriodFilterDlg(CTarvoDoc& doc, FormHost& host, PeriodReport& report, Kind kind,
                     QWidget* parent = nullptr);

    void Apply();
    QLineEdit* Partner() const { return m_partner; }
    QComboBox* Producer() const { return m_producer; }
    QRadioButton* SummaryButton() const { return m_summary; }

Q_SIGNALS:
    void applied();

private:
    QWidget* BuildOwnCondition();
    void ChoosePartner();

    CTarvoDoc& m_doc;
    FormHost& m_host;
    PeriodReport& m_report;
    Kind m_kind;
    PeriodReport::Conditions m_conditions;
    std::vector<GroupNode> m_groups;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QRadioButton* m_detailed;
    QRadioButton* m_summary;
    QLineEdit* m_partner = nullptr;
    QCheckBox* m_byProducer = nullptr;
    QComboBox* m_producer = nullptr;
    QCheckBox* m_products = nullptr;
    QCheckBox* m_services = nullptr;
};
