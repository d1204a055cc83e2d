#pragma once

#include <QDialog>

// "За програмата": name, version and purpose of the program.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // location: where the firm lives (a folder or a server), shown without a password.
    explicit AboutDialog(const QString& location, QWidget* parent = nullptr);
};
