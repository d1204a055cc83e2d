#pragma once

#include <QDialog>

// "За програмата": name, version and purpose of the program.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};
