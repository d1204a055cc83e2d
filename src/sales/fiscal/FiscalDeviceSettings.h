#pragma once

#include <QString>

class MachinePreferences;

// The fiscal print server and the device this computer issues receipts on,
// as the settings dialog keeps them in the local settings.
struct FiscalDeviceSettings {
    QString serverUrl = "http://localhost:8001";
    QString printerId; // empty while no device is chosen
    QString model;
    QString serialNumber;
    QString fiscalMemoryNumber;
    int itemTextMaxLength = 22;
    int commentTextMaxLength = 40;
    QString operatorNumber = "1";
    QString operatorPassword; // sent to the device only, never shown
    // The device's tax groups (1 "А" to 8 "З") for a VAT-registered firm at
    // its standard rate, at the reduced rate of 9 %, and for a firm not
    // registered or a zero rate.
    int taxGroupStandard = 2;
    int taxGroupReduced = 4;
    int taxGroupNone = 1;
    // A receipt follows every cash sale at once; otherwise the clerk is asked.
    bool automatic = true;

    bool Configured() const { return !printerId.isEmpty(); }
    // The tax group of a document by the firm's VAT state and rate.
    int TaxGroupFor(bool vatRegistered, double vatRate) const;
    // The operator as the unique sale number carries it: 4 characters,
    // zero-filled on the left.
    QString OperatorCode() const;
};

FiscalDeviceSettings LoadFiscalDevice(const MachinePreferences& settings);
void StoreFiscalDevice(MachinePreferences& settings, const FiscalDeviceSettings& device);

// The letter a tax group is known by on the device: 1 "А" ... 8 "З".
QString TaxGroupLetter(int group);
