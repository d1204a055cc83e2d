#pragma once

#include "app/PeriodClosing.h"

#include <QDialog>
#include <map>

class Clock;
class LocalSettings;
class QCheckBox;
class QDateEdit;
class QRadioButton;

// The dialog of the period closing: the mode, its dates, the kinds of
// documents and the archive copy; OK runs the closing.
class CClosePeriodDlg : public QDialog {
    Q_OBJECT
public:
    CClosePeriodDlg(PeriodClosing& closing, LocalSettings& settings, const Clock& clock,
                    QWidget* parent = nullptr);

    ClosingRequest Request() const;
    QCheckBox* KindBox(DocumentKind kind) const { return m_kinds.at(kind); }
    QRadioButton* AllMode() const { return m_all; }
    QRadioButton* UpToMode() const { return m_upToMode; }
    QRadioButton* PeriodMode() const { return m_periodMode; }
    QDateEdit* UpToDate() const { return m_upTo; }
    QDateEdit* FromDate() const { return m_from; }
    QDateEdit* ToDate() const { return m_to; }
    QCheckBox* ArchiveBox() const { return m_archive; }

    void accept() override;

private:
    void UpdateEnabling();

    PeriodClosing& m_closing;
    QRadioButton* m_all;
    QRadioButton* m_upToMode;
    QRadioButton* m_periodMode;
    QDateEdit* m_upTo;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QWidget* m_periods;
    std::map<DocumentKind, QCheckBox*> m_kinds;
    QCheckBox* m_archive;
};
