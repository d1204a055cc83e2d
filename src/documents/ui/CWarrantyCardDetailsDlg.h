#pragma once

#include "documents/WarrantyCardForm.h"

#include <QDialog>

class DirectoryChooser;
class LocalSettings;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// The card's further data: the conditions, above or below the table, and
// the folder of "head.bmp" with its browser.
class CWarrantyCardDetailsDlg : public QDialog {
    Q_OBJECT
public:
    CWarrantyCardDetailsDlg(WarrantyDetails details, Prompter& prompter, const LocalSettings& settings,
                  DirectoryChooser& folders, QWidget* parent = nullptr);
    const WarrantyDetails& Details() const { return m_details; }
    void accept() override;

private:
    void Browse();

    WarrantyDetails m_details;
    Prompter& m_prompter;
    const LocalSettings& m_settings;
    DirectoryChooser& m_folders;
    QPlainTextEdit* m_conditions;
    QRadioButton* m_above;
    QRadioButton* m_below;
    QLineEdit* m_folder;
};

class GuiWarrantyDetailsEditor : public WarrantyDetailsEditor {
public:
    GuiWarrantyDetailsEditor(Prompter& prompter, const LocalSettings& settings, QWidget* parent)
        : m_prompter(prompter), m_settings(settings), m_parent(parent) {}
    bool EditDetails(WarrantyDetails& details) override;

private:
    Prompter& m_prompter;
    const LocalSettings& m_settings;
    QWidget* m_parent;
};
