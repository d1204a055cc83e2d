#pragma once

#include "settings/SettingsFile.h"

// How documents are filled in on this computer, and what the clerk typed
// last (the sale's place and object, the VAT ground, the names completed,
// the firm's data an upgrade asked for).
class EntryPreferences : public virtual SettingsFile {
public:
    int AutoCompleteNameMode() const;
    void SetAutoCompleteNameMode(int value);
    int AutoCompleteCompNameMode() const;
    void SetAutoCompleteCompNameMode(int value);
    int AutoSetLastVATReason() const;
    void SetAutoSetLastVATReason(int value);
    int DefaultSellOp() const;
    void SetDefaultSellOp(int value);
    int InvQttyPriceChanges() const;
    void SetInvQttyPriceChanges(int value);
    QString SuppliesLastAutoCompleteName() const;
    void SetSuppliesLastAutoCompleteName(const QString& value);
    QString RequestPreparedBy() const;
    void SetRequestPreparedBy(const QString& value);
    QString SellCity() const;
    void SetSellCity(const QString& value);
    QString SellObject() const;
    void SetSellObject(const QString& value);
    QString SellGivenBy() const;
    void SetSellGivenBy(const QString& value);
    QString LastVATReason() const;
    void SetLastVATReason(const QString& value);
    QString SellsLastAutoCompleteName() const;
    void SetSellsLastAutoCompleteName(const QString& value);
    QString SellsLastAutoCompleteCompName() const;
    void SetSellsLastAutoCompleteCompName(const QString& value);
    QString FirmDataName() const;
    void SetFirmDataName(const QString& value);
    QString FirmDataCity() const;
    void SetFirmDataCity(const QString& value);
    QString FirmDataAddress() const;
    void SetFirmDataAddress(const QString& value);
    QString FirmDataMOL() const;
    void SetFirmDataMOL(const QString& value);
};
