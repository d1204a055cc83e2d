#pragma once

#include "trade/CashFilter.h"

#include <QDialog>
#include <set>

class CTarvoDoc;
class FormHost;
class QButtonGroup;
class QDateEdit;
class QListWidget;
class QPushButton;
class QTabBar;

// "филтър - приходи и разходи": a modeless dialog owned by the cash
// register form. "приложи филтъра" hands the filter to the form (applied)
// and hides the dialog; the ticked partners stay ticked across the tabs.
class CCashFilterDlg : public QDialog {
    Q_OBJECT
public:
    CCashFilterDlg(CTarvoDoc& doc, FormHost& host, const CashFilter& filter, QWidget* parent);

    CashFilter Filter() const;
    QListWidget* Partners() const { return m_partners; }
    QTabBar* Tabs() const { return m_tabs; }
    void Apply();

Q_SIGNALS:
    // The form reloads its list with the filter (the old message 0x0402).
    void applied(const CashFilter& filter);

private:
    void FillPartners();
    void FindPartner();
    void CheckAll(bool checked);
    void KeepTicks();

    CTarvoDoc& m_doc;
    FormHost& m_host;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QButtonGroup* m_show;
    QButtonGroup* m_type;
    QButtonGroup* m_method;
    QTabBar* m_tabs;
    QListWidget* m_partners;
    QPushButton* m_showAll;
    QString m_search;
    std::set<int> m_ticked;
};
