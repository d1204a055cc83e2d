#include "app/SettingsMenu.h"

#include "db/DbSettings.h"
#include "masterdata/FirmCurrency.h"
#include "masterdata/StockSettings.h"
#include "settings/LocalSettings.h"

int SettingsMenu::Value(Setting setting) {
    switch (setting) {
    case Setting::ShowItemCostPrice:
        return m_settings.ShowItemCostPrice();
    case Setting::ShowHiddenItems:
        return m_settings.ShowHiddenItems();
    case Setting::NoStockNotePrices:
        return m_settings.NoStockNotePrices();
    case Setting::AutoCompleteNameMode:
        return m_settings.AutoCompleteNameMode();
    case Setting::AutoCompleteCompNameMode:
        return m_settings.AutoCompleteCompNameMode();
    case Setting::AutoSetLastVATReason:
        return m_settings.AutoSetLastVATReason();
    case Setting::DefaultSellOp:
        return m_settings.DefaultSellOp();
    case Setting::AllowStockNotesWithoutCodes:
        return m_settings.AllowStockNotesWithoutCodes();
    case Setting::AllowInvoicesWithoutCodes:
        return m_settings.AllowInvoicesWithoutCodes();
    case Setting::UseFocusColor:
        return m_settings.UseFocusColor();
    case Setting::AutoSetPrintOrientation:
        return m_settings.AutoSetPrintOrientation();
    case Setting::EconomicPrintMode:
        return m_settings.EconomicPrintMode();
    case Setting::SellsOnZero:
        return GetSellsOnZero(m_db);
    case Setting::CostPricePrecision:
    case Setting::SellPricePrecision:
        return GetPricePrecision();
    case Setting::ArchiveAutoPrompt:
        return DbSettings(m_db).ArchiveAutoPrompt();
    case Setting::FirmCurrencyChoice:
        return LoadFirmCurrency(m_db).current == Currency::EUR ? 1 : 0;
    case Setting::None:
        break;
    }
    return 0;
}

bool SettingsMenu::IsChecked(const MenuEntry& entry) {
    if (entry.kind == MenuEntry::Kind::Toggle)
        return Value(entry.setting) == 1;
    if (entry.kind == MenuEntry::Kind::Choice)
        return Value(entry.setting) == entry.choiceValue;
    return false;
}

bool SettingsMenu::Activate(const MenuEntry& entry) {
    if (entry.kind == MenuEntry::Kind::Toggle)
        return Store(entry.setting, Value(entry.setting) ? 0 : 1);
    if (entry.kind == MenuEntry::Kind::Choice)
        return Store(entry.setting, entry.choiceValue);
    return false;
}

bool SettingsMenu::Store(Setting setting, int value) {
    switch (setting) {
    case Setting::ShowItemCostPrice:
        m_settings.SetShowItemCostPrice(value);
        return true;
    case Setting::ShowHiddenItems:
        m_settings.SetShowHiddenItems(value);
        return true;
    case Setting::NoStockNotePrices:
        m_settings.SetNoStockNotePrices(value);
        return true;
    case Setting::AutoCompleteNameMode:
        m_settings.SetAutoCompleteNameMode(value);
        return true;
    case Setting::AutoCompleteCompNameMode:
        m_settings.SetAutoCompleteCompNameMode(value);
        return true;
    case Setting::AutoSetLastVATReason:
        m_settings.SetAutoSetLastVATReason(value);
        return true;
    case Setting::DefaultSellOp:
        m_settings.SetDefaultSellOp(value);
        return true;
    case Setting::AllowStockNotesWithoutCodes:
        m_settings.SetAllowStockNotesWithoutCodes(value);
        return true;
    case Setting::AllowInvoicesWithoutCodes:
        m_settings.SetAllowInvoicesWithoutCodes(value);
        return true;
    case Setting::UseFocusColor:
        m_settings.SetUseFocusColor(value);
        return true;
    case Setting::AutoSetPrintOrientation:
        m_settings.SetAutoSetPrintOrientation(value);
        return true;
    case Setting::EconomicPrintMode:
        m_settings.SetEconomicPrintMode(value);
        return true;
    case Setting::SellsOnZero:
        return SetSellsOnZero(m_db, value);
    case Setting::CostPricePrecision:
        return SetCostPricePrecision(m_db, value);
    case Setting::SellPricePrecision:
        return SetSellPricePrecision(m_db, value);
    case Setting::ArchiveAutoPrompt:
        return DbSettings(m_db).SetArchiveAutoPrompt(value);
    case Setting::FirmCurrencyChoice:
        return m_chooseCurrency && m_chooseCurrency(value == 1 ? Currency::EUR : Currency::BGN);
    case Setting::None:
        break;
    }
    return false;
}
