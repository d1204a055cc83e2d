#pragma once

#include "masterdata/PartnerItemValues.h"

#include <QDialog>

class CSortListCtrl;
class CTarvoDoc;
class FormHost;

// The partner codes or the partner prices of one item.
class CPartnerValuesDlg : public QDialog {
    Q_OBJECT
public:
    CPartnerValuesDlg(CTarvoDoc& doc, FormHost& host, PartnerItemValues::Kind kind, const QString& itemCode,
                      QWidget* parent = nullptr);

private:
    void Show();
    int Selected() const;

    CTarvoDoc& m_doc;
    FormHost& m_host;
    Prompter& m_prompter;
    PartnerItemValues m_values;
    CSortListCtrl* m_list;
};
