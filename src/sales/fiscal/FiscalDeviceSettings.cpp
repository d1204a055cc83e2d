#include "sales/fiscal/FiscalDeviceSettings.h"

#include "settings/MachinePreferences.h"

#include <cmath>

int FiscalDeviceSettings::TaxGroupFor(bool vatRegistered, double vatRate) const {
    if (!vatRegistered || vatRate <= 0)
        return taxGroupNone;
    return std::fabs(vatRate - 9) < 0.005 ? taxGroupReduced : taxGroupStandard;
}

QString FiscalDeviceSettings::OperatorCode() const {
    return operatorNumber.trimmed().right(4).rightJustified(4, '0');
}

FiscalDeviceSettings LoadFiscalDevice(const MachinePreferences& settings) {
    FiscalDeviceSettings d;
    auto text = [&](const char* key, const QString& fallback) {
        return settings.FiscalDevice(key, fallback);
    };
    auto number = [&](const char* key, int fallback) {
        bool ok = false;
        const int value = settings.FiscalDevice(key).toInt(&ok);
        return ok ? value : fallback;
    };
    d.serverUrl = text("ServerUrl", d.serverUrl);
    d.printerId = text("PrinterId", QString());
    d.model = text("Model", QString());
    d.serialNumber = text("SerialNumber", QString());
    d.fiscalMemoryNumber = text("FiscalMemoryNumber", QString());
    d.itemTextMaxLength = number("ItemTextMaxLength", d.itemTextMaxLength);
    d.commentTextMaxLength = number("CommentTextMaxLength", d.commentTextMaxLength);
    d.operatorNumber = text("Operator", d.operatorNumber);
    d.operatorPassword = text("OperatorPassword", QString());
    d.taxGroupStandard = number("TaxGroupStandard", d.taxGroupStandard);
    d.taxGroupReduced = number("TaxGroupReduced", d.taxGroupReduced);
    d.taxGroupNone = number("TaxGroupNone", d.taxGroupNone);
    d.automatic = number("Automatic", 1) != 0;
    return d;
}

void StoreFiscalDevice(MachinePreferences& settings, const FiscalDeviceSettings& d) {
    settings.SetFiscalDevice("ServerUrl", d.serverUrl);
    settings.SetFiscalDevice("PrinterId", d.printerId);
    settings.SetFiscalDevice("Model", d.model);
    settings.SetFiscalDevice("SerialNumber", d.serialNumber);
    settings.SetFiscalDevice("FiscalMemoryNumber", d.fiscalMemoryNumber);
    settings.SetFiscalDevice("ItemTextMaxLength", QString::number(d.itemTextMaxLength));
    settings.SetFiscalDevice("CommentTextMaxLength", QString::number(d.commentTextMaxLength));
    settings.SetFiscalDevice("Operator", d.operatorNumber);
    settings.SetFiscalDevice("OperatorPassword", d.operatorPassword);
    settings.SetFiscalDevice("TaxGroupStandard", QString::number(d.taxGroupStandard));
    settings.SetFiscalDevice("TaxGroupReduced", QString::number(d.taxGroupReduced));
    settings.SetFiscalDevice("TaxGroupNone", QString::number(d.taxGroupNone));
    settings.SetFiscalDevice("Automatic", d.automatic ? "1" : "0");
}

QString TaxGroupLetter(int group) {
    static const QString letters = QString::fromUtf8("АБВГДЕЖЗ");
    return group >= 1 && group <= 8 ? letters.mid(group - 1, 1) : QString();
}
