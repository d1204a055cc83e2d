#pragma once

#include "sales/fiscal/FiscalDeviceSettings.h"
#include "sales/fiscal/NetFpClient.h"

#include <QDialog>
#include <vector>

class Database;
class FiscalRegister;
class MachinePreferences;
class Prompter;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// "Фискално устройство": the print server's address, the device chosen from
// the devices it offers, the operator, the tax groups and whether receipts
// follow cash sales at once. Saving with a device creates the table of
// receipts in the database.
class CFiscalDeviceDlg : public QDialog {
    Q_OBJECT
public:
    CFiscalDeviceDlg(Database& db, MachinePreferences& settings, Prompter& prompter, FiscalRegister& fiscal,
                     QWidget* parent = nullptr);

    // The settings as the fields stand.
    FiscalDeviceSettings Edited() const;

protected:
    void accept() override;

private:
    void FindPrinters();
    void ShowPrinters();
    void ShowPrinterInfo();

    Database& m_db;
    MachinePreferences& m_settings;
    Prompter& m_prompter;
    FiscalRegister& m_fiscal;
    FiscalDeviceSettings m_stored;
    std::vector<NetFpPrinter> m_printers;
    QLineEdit* m_server;
    QComboBox* m_printer;
    QLabel* m_printerInfo;
    QLineEdit* m_operator;
    QLineEdit* m_password;
    QComboBox* m_groupStandard;
    QComboBox* m_groupReduced;
    QComboBox* m_groupNone;
    QCheckBox* m_automatic;
};
