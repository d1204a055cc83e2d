#pragma once

#include <QString>
#include <vector>

// The commands of the main window that are not "open a form".
enum class CommandId {
    None,
    OptimizeDatabase,
    ConnectServer,
    ArchiveNow,
    RestoreArchive,
    ArchiveDirectory,
    Exit,
    GroupsEditor,
    BanksEditor,
    UnitsEditor,
    FirmData,
    DeleteRequests,
    DeleteDeliveries,
    DeleteProduction,
    DeleteGoodsNotes,
    DeleteInvoices,
    DeleteDebitNotes,
    DeleteCreditNotes,
    DeleteWarrantyCards,
    DeleteOffers,
    ClosePeriod,
    Calculator,
    PrintSetup,
    Help,
    About,
    CsvSeparator,
    EuroChangeover,
    FiscalDevice,
    FiscalXReport,
    FiscalZReport,
    FiscalDeposit,
    FiscalWithdrawal,
};

// The settings the menu toggles or chooses.
enum class Setting {
    None,
    // local, per user
    ShowItemCostPrice,
    ShowHiddenItems,
    NoStockNotePrices,
    AutoCompleteNameMode,
    AutoCompleteCompNameMode,
    AutoSetLastVATReason,
    DefaultSellOp,
    AllowStockNotesWithoutCodes,
    AllowInvoicesWithoutCodes,
    UseFocusColor,
    AutoSetPrintOrientation,
    EconomicPrintMode,
    // database-wide
    SellsOnZero,
    CostPricePrecision,
    SellPricePrecision,
    ArchiveAutoPrompt,
    FirmCurrencyChoice, // 0 leva, 1 euro
};

// One entry of the main menu: a submenu, a separator, a form to open, a
// command, a toggle of a setting or one choice of a setting's values.
struct MenuEntry {
    enum class Kind { Submenu, Separator, View, Command, Toggle, Choice };
    Kind kind = Kind::Separator;
    QString text;
    QString shortcut; // as QKeySequence reads it, e.g. "Ctrl+F2"
    QString prompt;   // shown in the status bar while the entry is under the mouse
    int viewType = 0; // Kind::View
    CommandId command = CommandId::None;
    Setting setting = Setting::None; // Kind::Toggle and Kind::Choice
    int choiceValue = 0;             // Kind::Choice
    std::vector<MenuEntry> children;
};

// The menu bar, top-level menus first.
const std::vector<MenuEntry>& MainMenu();

// The entry of the reports menu (its entries open the report forms).
const MenuEntry& ReportsMenu();
