#include "documents/ui/CWarrantyCardDetailsDlg.h"

#include "base/Prompter.h"
#include "base/ui/DialogButtons.h"
#include "base/ui/GuiDirectoryChooser.h"
#include "session/FolderBrowser.h"
#include "settings/LocalSettings.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CWarrantyCardDetailsDlg::CWarrantyCardDetailsDlg(WarrantyDetails details, Prompter& prompter,
                                                 const LocalSettings& settings, DirectoryChooser& folders,
                                                 QWidget* parent)
    : QDialog(parent), m_details(std::move(details)), m_prompter(prompter), m_settings(settings),
      m_folders(folders) {
    setWindowTitle("допълнителни данни");
    m_conditions = new QPlainTextEdit(m_details.conditions);
    // Tab goes on to the next field, as everywhere in a dialog; Enter makes
    // a new line of the conditions.
    m_conditions->setTabChangesFocus(true);
    m_above = new QRadioButton("над таблицата");
    m_below = new QRadioButton("под таблицата");
    (m_details.placement == WarrantyCard::BelowTable ? m_below : m_above)->setChecked(true);
    auto* placement = new QHBoxLayout;
    placement->addWidget(m_above);
    placement->addWidget(m_below);
    placement->addStretch();
    m_folder = new QLineEdit(m_details.headFolder);
    auto* browse = new QPushButton("...");
    browse->setFixedWidth(40);
    connect(browse, &QPushButton::clicked, this, &CWarrantyCardDetailsDlg::Browse);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder);
    folderRow->addWidget(browse);

    auto* conditionsLabel = new QLabel("условия на гаранцията:");
    conditionsLabel->setBuddy(m_conditions);
    auto* folderLabel = new QLabel("местоположение на файла с логото и контактната информация (head.bmp)");
    folderLabel->setBuddy(m_folder);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(conditionsLabel);
    layout->addWidget(m_conditions, 1);
    layout->addLayout(placement);
    layout->addWidget(folderLabel);
    layout->addLayout(folderRow);
    layout->addWidget(MakeOkCancelButtons(this));
    resize(560, 380);
}

void CWarrantyCardDetailsDlg::Browse() {
    const QString chosen = BrowseForFolder(FolderPurpose::HeadImage, m_settings, m_folders);
    if (chosen.isEmpty())
        return;
    const QString problem = WarrantyCardForm::HeadFolderProblem(chosen);
    if (!problem.isEmpty())
        m_prompter.Message(problem, MessageIcon::Exclamation);
    m_folder->setText(chosen);
}

void CWarrantyCardDetailsDlg::accept() {
    m_details.conditions = m_conditions->toPlainText();
    m_details.placement = m_below->isChecked() ? WarrantyCard::BelowTable : WarrantyCard::AboveTable;
    m_details.headFolder = m_folder->text().trimmed();
    QDialog::accept();
}

bool GuiWarrantyDetailsEditor::EditDetails(WarrantyDetails& details) {
    GuiDirectoryChooser folders;
    CWarrantyCardDetailsDlg dialog(details, m_prompter, m_settings, folders, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    details = dialog.Details();
    return true;
}
