#pragma once

#include <QDialog>

// "моля, почакайте...": the modeless box shown while the data are being
// restructured; it is painted at once, before the work starts.
class CWaitBoxDlg : public QDialog {
    Q_OBJECT
public:
    explicit CWaitBoxDlg(QWidget* parent = nullptr);
    void ShowPainted();
};
