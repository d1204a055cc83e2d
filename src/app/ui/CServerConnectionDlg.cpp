#include "app/ui/CServerConnectionDlg.h"

#include "db/FirmLocation.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CServerConnectionDlg::CServerConnectionDlg(QWidget* parent)
    : QDialog(parent), m_server(new QLineEdit(this)), m_database(new QLineEdit(this)), m_user(new QLineEdit(this)),
      m_password(new QLineEdit(this)) {
    setWindowTitle("Връзка със сървър");
    m_password->setEchoMode(QLineEdit::Password);
    m_server->setPlaceholderText("сървър или папка на сокета");
    auto* form = new QFormLayout;
    form->addRow("&Сървър:", m_server);
    form->addRow("&База данни:", m_database);
    form->addRow("&Потребител:", m_user);
    form->addRow("П&арола:", m_password);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // OK waits for a server and a database.
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    const auto update = [this, ok] {
        ok->setEnabled(!m_server->text().trimmed().isEmpty() && !m_database->text().trimmed().isEmpty());
    };
    connect(m_server, &QLineEdit::textChanged, this, update);
    connect(m_database, &QLineEdit::textChanged, this, update);
    update();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

QString CServerConnectionDlg::Location() const {
    return ServerLocation(m_server->text().trimmed(), m_database->text().trimmed(), m_user->text().trimmed());
}

QString CServerConnectionDlg::Password() const {
    return m_password->text();
}
