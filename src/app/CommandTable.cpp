#include "app/CommandTable.h"

#include "session/ViewType.h"

namespace {

MenuEntry view(const char* text, int type, const char* shortcut, const char* prompt) {
    MenuEntry e;
    e.kind = MenuEntry::Kind::View;
    e.text = text;
    e.viewType = type;
    e.shortcut = shortcut;
    e.prompt = prompt;
    return e;
}

MenuEntry command(const char* text, CommandId id, const char* shortcut, const char* prompt) {
    MenuEntry e;
    e.kind = MenuEntry::Kind::Command;
    e.text = text;
    e.command = id;
    e.shortcut = shortcut;
    e.prompt = prompt;
    return e;
}

MenuEntry toggle(const char* text, Setting setting, const char* prompt) {
    MenuEntry e;
    e.kind = MenuEntry::Kind::Toggle;
    e.text = text;
    e.setting = setting;
    e.prompt = prompt;
    return e;
}

MenuEntry choice(const char* text, Setting setting, int value, const char* prompt) {
    MenuEntry e;
    e.kind = MenuEntry::Kind::Choice;
    e.text = text;
    e.setting = setting;
    e.choiceValue = value;
    e.prompt = prompt;
    return e;
}

MenuEntry submenu(const char* text, std::vector<MenuEntry> children) {
    MenuEntry e;
    e.kind = MenuEntry::Kind::Submenu;
    e.text = text;
    e.children = std::move(children);
    return e;
}

MenuEntry separator() {
    return MenuEntry();
}

// The two choices of how a name field is filled in.
std::vector<MenuEntry> autoCompleteChoices(Setting setting) {
    return {choice("Използвай последната въведена стойност", setting, 1,
                   "Попълва полето с последното въведено име"),
            choice("Не попълвай автоматично", setting, 0, "Полето остава празно в новия документ")};
}

MenuEntry buildReportsMenu() {
    using namespace ViewType;
    return submenu(
        "Справки",
        {view("Наличности и вложени средства", kStockQuantitiesReport, "",
              "Наличности на склад и стойността им"),
         view("Доставки", kDeliveriesReport, "", "Справка за доставките за период"),
         view("Произведени изделия", kProductionReport, "", "Справка за произведените изделия за период"),
         view("Вложени материали и консумативи", kConsumedMaterialsReport, "",
              "Материалите, вложени в продадените изделия"),
         view("Обобщена справка за движението на стоки, материали, изделия и услуги", kStockMovementReport,
              "", "Движение на артикулите за период, сравнено с наличностите"),
         view("Реализация по артикули", kSalesByItemReport, "", "Продажби по артикули за период"),
         view("Стокооборот по месеци и артикули", kTurnoverByMonthsAndItemsReport, "",
              "Стокооборот по месеци и артикули за година"),
         view("Стокооборот за произволен период по клиенти", kTurnoverByPartnerReport, "",
              "Стокооборот по клиенти за период"),
         view("Стокооборот по месеци и клиенти", kTurnoverByMonthsAndCustomersReport, "",
              "Стокооборот по месеци и клиенти за година"),
         view("Печалба по месеци и артикули", kProfitByMonthsAndItemsReport, "",
              "Печалба по месеци и артикули за година"),
         view("Печалба по месеци и клиенти", kProfitByCustomersReport, "",
              "Печалба по месеци и клиенти за година"),
         view("Диаграма на приходите и разходите", kIncomeExpenseDiagram, "",
              "Приходи и разходи по месеци за година")});
}

std::vector<MenuEntry> buildMainMenu() {
    using namespace ViewType;
    std::vector<MenuEntry> menu;
    menu.push_back(submenu(
        "Система",
        {command("Оптимизиране на БД ...", CommandId::OptimizeDatabase, "",
                 "Оптимизира файла на базата данни"),
         command("Връзка със сървър ...", CommandId::ConnectServer, "",
                 "Отваря фирма от сървър PostgreSQL"),
         submenu("Архивиране", {command("Създаване на ново архивно копие ...", CommandId::ArchiveNow, "F11",
                                        "Създава архивно копие на базата данни"),
                                command("Възстановяване от архивно копие ...", CommandId::RestoreArchive, "",
                                        "Възстановява базата данни от архивно копие"),
                                separator(),
                                command("Директория за архивите ...", CommandId::ArchiveDirectory, "",
                                        "Избор на директорията, в която се записват архивните копия")}),
         separator(), command("Изход", CommandId::Exit, "", "Затваря програмата")}));
    menu.push_back(
        submenu("Номенклатури",
                {command("Групи ...", CommandId::GroupsEditor, "Ctrl+F1", "Дървото на групите на артикулите"),
                 view("Материали, изделия и  услуги ...", kCatalogue, "Ctrl+F2",
                      "Стоки, материали, изделия и услуги"),
                 view("Контрагенти...", kPartners, "Ctrl+F3", "Клиенти и доставчици"), separator(),
                 command("Банки ...", CommandId::BanksEditor, "", "Банковите сметки на фирмата"),
                 command("Мерни единици...", CommandId::UnitsEditor, "", "Мерните единици на артикулите"),
                 command("Данни на фирмата ...", CommandId::FirmData, "",
                         "Данните на Вашата фирма и ставката по ЗДДС")}));
    menu.push_back(submenu(
        "Операции",
        {view("Заявки", kRequests, "", "Заявки към доставчици"),
         view("Доставки", kDeliveries, "Ctrl+F4", "Доставки от доставчици"),
         view("Продажби и фактуриране", kSales, "Ctrl+F5", "Стокови разписки, фактури и известия"),
         view("Производство", kProduction, "Ctrl+F6", "Производство на изделия по разходни норми"),
         view("Оферти", kOffers, "", "Оферти към клиенти"),
         view("Приходи и Разходи (каса)", kCashRegister, "", "Приходни и разходни операции и плащания"),
         view("Ревизии", kStocktaking, "", "Ревизии на наличностите"),
         view("Гаранционни Карти", kWarrantyCards, "", "Гаранционни карти на продадените стоки"), separator(),
         submenu("Фискално устройство",
                 {command("X отчет", CommandId::FiscalXReport, "", "Отпечатва дневния отчет без нулиране"),
                  command("Z отчет", CommandId::FiscalZReport, "", "Отпечатва дневния отчет и го нулира"),
                  separator(),
                  command("Служебно въведени суми ...", CommandId::FiscalDeposit, "",
                          "Регистрира пари, внесени в касата на фискалното устройство"),
                  command("Служебно изведени суми ...", CommandId::FiscalWithdrawal, "",
                          "Регистрира пари, изнесени от касата на фискалното устройство")}),
         submenu("Изтриване на операции и документи",
                 {command("Изтриване на заявки...", CommandId::DeleteRequests, "", "Изтрива заявка"),
                  command("Изтриване на складови разписки...", CommandId::DeleteDeliveries, "",
                          "Изтрива доставка и намалява наличностите"),
                  command("Изтриване на документи за произведени изделия...", CommandId::DeleteProduction, "",
                          "Изтрива документ за производство и възстановява наличностите"),
                  command("Изтриване на стокови разписки...", CommandId::DeleteGoodsNotes, "",
                          "Изтрива стокова разписка и възстановява наличностите"),
                  command("Изтриване на фактури...", CommandId::DeleteInvoices, "", "Изтрива фактура"),
                  command("Изтриване на дебитни известия...", CommandId::DeleteDebitNotes, "",
                          "Изтрива дебитно известие"),
                  command("Изтриване на кредитни известия...", CommandId::DeleteCreditNotes, "",
                          "Изтрива кредитно известие"),
                  command("Изтриване на гаранционни карти...", CommandId::DeleteWarrantyCards, "",
                          "Изтрива гаранционна карта"),
                  command("Изтриване на оферти...", CommandId::DeleteOffers, "", "Изтрива оферта")})}));
    menu.push_back(ReportsMenu());
    menu.push_back(submenu("Администриране",
                           {command("Изтриване на документи по типове и периоди ...", CommandId::ClosePeriod,
                                    "", "Изтрива документите от избрани типове за период")}));
    menu.push_back(
        submenu("Средства", {command("Калкулатор", CommandId::Calculator, "", "Стартира калкулатора")}));

    std::vector<MenuEntry> local = {
        toggle("Показвай себестойността на номенклатурите в списъците", Setting::ShowItemCostPrice,
               "Показва колоната със себестойността в списъците на артикулите"),
        toggle("Показвай скритите номенклатури", Setting::ShowHiddenItems, "Показва и скритите артикули"),
        toggle("Позволи отпечатването на стокови разписки без цени", Setting::NoStockNotePrices,
               "Стоковите разписки могат да се отпечатват без цени"),
        submenu("Автоматично попълване на името на лицето, приемащо или предаващо стоките",
                autoCompleteChoices(Setting::AutoCompleteNameMode)),
        submenu("Автоматично попълване на името на лицето, което съставя документа",
                autoCompleteChoices(Setting::AutoCompleteCompNameMode)),
        toggle("Автоматично попълване на посл. въведено основание за неначисляване на ДДС",
               Setting::AutoSetLastVATReason,
               "Попълва последното въведено основание за неначисляване на ДДС"),
        submenu("Документ по подразбиране при продажба",
                {choice("Продажба със стокова разписка", Setting::DefaultSellOp, 0,
                        "Новата продажба е със стокова разписка"),
                 choice("Продажба с фактура и стокова разписка", Setting::DefaultSellOp, 1,
                        "Новата продажба е с фактура и стокова разписка")}),
        toggle("Отпечатването на стокови разписки без номенклатурни кодове е позволено",
               Setting::AllowStockNotesWithoutCodes, "Стоковите разписки могат да се отпечатват без кодове"),
        toggle("Отпечатването на фактури без номенклатурни кодове е позволено",
               Setting::AllowInvoicesWithoutCodes, "Фактурите могат да се отпечатват без кодове"),
        toggle("Оцветявай активните текстови полета", Setting::UseFocusColor,
               "Полето, в което пишете, се оцветява"),
        toggle("Автоматична корекция на ориентацията на листа", Setting::AutoSetPrintOrientation,
               "Всяка справка сама избира портретна или пейзажна ориентация"),
        toggle("Използвай икономичен печат", Setting::EconomicPrintMode, "Печат без фон и двойни линии"),
        separator(),
        command("Настройка на печата...", CommandId::PrintSetup, "",
                "Избор на принтер, хартия и ориентация")};
    std::vector<MenuEntry> global = {
        toggle(
            "Операциите без достатъчна наличност са разрешени", Setting::SellsOnZero,
            "Да позволява ли програмата, да се изписват стоки и изделия без значение на наличността. Води до "
            "отрицателни наличности."),
        submenu("Точност при изчислението на ед. доставна цена и себестойност",
                {choice("0.00", Setting::CostPricePrecision, 2, "Два знака след десетичната точка")}),
        submenu("Точност при изчислението на продажна цена",
                {choice("0.00", Setting::SellPricePrecision, 2, "Два знака след десетичната точка")}),
        toggle("Автоматично предлагай създаването на архив, 24 часа след последното архивиране",
               Setting::ArchiveAutoPrompt, "При стартиране предлага архив, ако последният е по-стар от ден"),
        submenu("Валута",
                {choice("Лев (BGN)", Setting::FirmCurrencyChoice, 0, "Цените и документите са в лева"),
                 choice("Евро (EUR)", Setting::FirmCurrencyChoice, 1,
                        "Цените и документите са в евро; цените в лева се превръщат по курс 1.95583"),
                 separator(),
                 command("Преминаване към евро ...", CommandId::EuroChangeover, "",
                         "Превръща цените от лева в евро след архив на базата данни; връщане назад няма")})};
    menu.push_back(
        submenu("Настройки", {submenu("Предпочитания на потребителя", std::move(local)),
                              submenu("Глобални настройки", std::move(global)), separator(),
                              command("Разделител на полетата при експорт в CSV ...", CommandId::CsvSeparator,
                                      "", "Знакът, който разделя полетата в CSV файловете"),
                              command("Фискално устройство ...", CommandId::FiscalDevice, "",
                                      "Сървърът за фискални устройства, устройството и данъчните групи")}));
    menu.push_back(
        submenu("Помощ", {command("Ръководство за работа с продукта...", CommandId::Help, "F1",
                                  "Ръководство за работа с програмата"),
                          command("За програмата ...", CommandId::About, "", "Версията на програмата")}));
    return menu;
}

} // namespace

const MenuEntry& ReportsMenu() {
    static const MenuEntry reports = buildReportsMenu();
    return reports;
}

const std::vector<MenuEntry>& MainMenu() {
    static const std::vector<MenuEntry> menu = buildMainMenu();
    return menu;
}
