#pragma once

#include <QDialog>

class QLineEdit;

// "Връзка със сървър": where the firm's server is (a name or address, or the
// folder of a Unix socket), its database and user, and the password, which
// is handed to the connection only and never remembered.
class CServerConnectionDlg : public QDialog {
    Q_OBJECT
public:
    explicit CServerConnectionDlg(QWidget* parent = nullptr);

    // The connection string without a password.
    QString Location() const;
    QString Password() const;

    QLineEdit* ServerEdit() const { return m_server; }
    QLineEdit* DatabaseEdit() const { return m_database; }
    QLineEdit* UserEdit() const { return m_user; }
    QLineEdit* PasswordEdit() const { return m_password; }

private:
    QLineEdit* m_server;
    QLineEdit* m_database;
    QLineEdit* m_user;
    QLineEdit* m_password;
};
