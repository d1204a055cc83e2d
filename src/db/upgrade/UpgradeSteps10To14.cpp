// The steps to formats 10 to 14: identifiers and the renumbering of 2007,
// document types, the Latin names and currencies, today's indexes.
#include "base/Prompter.h"
#include "db/Database.h"
#include "db/upgrade/UpgradeStep.h"
#include "db/upgrade/UpgradeSteps.h"

namespace {
struct Question {
    const char* text;
    std::vector<const char*> statements;
};

const std::vector<Question>& identifierQuestions() {
    static const std::vector<Question> questions = {
        {"Желаете ли програмата да въведе вашия БУЛСТАТ/ЕИК, на мястото на новия идентификационен "
         "номер?\n(Ако не "
         "желаете това да стане автоматично, ще се наложи да отразите необходимите корекции ръчно.)",
         {"UPDATE [firmdata] SET [tax_id] = [bulstat];"}},
        {"В случай, че сте регистрирани по ЗДДС, желаете ли програмата да добави префикс 'BG' пред вашия "
         "БУЛСТАТ/ЕИК, така че да формира валиден ДДС номер?\n(Ако не желаете това да стане автоматично, ще "
         "се "
         "наложи да отразите необходимите корекции ръчно.)",
         {"UPDATE [firmdata] SET [bulstat] = 'BG' || [bulstat] WHERE [vat_registered] = '1';",
          "UPDATE [firmdata] SET [bulstat] = '' WHERE [vat_registered] = '0';"}},
        {"Желаете ли програмата да въведе БУЛСТАТ/ЕИК, на мястото на новия идентификационен номер, за всеки "
         "контрагент от вашата номенклатура на клиентите и доставчиците?\n(Ако не желаете това да стане "
         "автоматично, ще се наложи да отразите необходимите корекции ръчно.)",
         {"UPDATE [partners] SET [partner_tax_id] = [partner_bulstat];"}},
        {"Желаете ли програмата да добави префикс 'BG' пред стойността на БУЛСТАТ/ЕИК на всеки от вашите "
         "контрагенти, които са регистрирани по ЗДДС, така че да формира валиден ДДС номер?\n(Ако не желаете "
         "това да стане автоматично, ще се наложи да отразите необходимите корекции ръчно.)",
         {"UPDATE [partners] SET [partner_bulstat] = 'BG' || [partner_bulstat] WHERE "
          "[partner_vat_registered] = "
          "'1' AND [partner_bulstat] != '';",
          "UPDATE [partners] SET [partner_bulstat] = '' WHERE [partner_vat_registered] = '0';"}},
    };
    return questions;
}

constexpr const char* kInvoiceQuestion =
    "Във връзка с влезлите в сила от 01.01.2007 г. нови разпоредби, номерата на фактурите трябва да започват "
    "отново от 0000000001.\n\nАко отговорите с 'Да', издадените досега фактури и проформи ще бъдат запазени "
    "с "
    "отрицателни номера (с префикс '-'): данните им остават за справките, но те вече не могат да бъдат "
    "редактирани.\nАко отговорите с 'Не', издадените досега фактури и проформи ще бъдат изтрити и ще останат "
    "само в архивните копия на базата данни.\n\nЖелаете ли да запазите издадените досега фактури?";

constexpr const char* kGoodsNoteQuestion =
    "Желаете ли стоковите разписки също да започват от 0000000001? Ако отговорите с 'Да', програмата ще "
    "добави "
    "префикс '-' пред номерата на вече издадените стокови разписки.\n\nЗабележка: Законът не изисква "
    "номерацията на стоковите разписки да започва от 1, така че това решение зависи изцяло от Вас. Желателно "
    "е "
    "да запазите старата номерация.";

const char* const kInvoiceTables[] = {"invoices_main",     "invoices_items",   "invoices_firmdata",
                                      "invoices_partners", "proforms_main",    "proforms_items",
                                      "proforms_firmdata", "proforms_partners"};
const char* const kInvoiceLinks[] = {"stokovi_main", "stokovi_items", "proforms_main"};

bool renumberInvoices(UpgradeStep& step, bool keep) {
    for (const char* table : kInvoiceTables)
        if (!step.Exec(keep ? QString("UPDATE [%1] SET [doc_id] = ([doc_id] * -1);").arg(table)
                            : QString("DELETE FROM [%1];").arg(table)))
            return false;
    for (const char* table : kInvoiceLinks)
        if (!step.Exec(QString("UPDATE [%1] SET [invoice_id] = ([invoice_id] * -1) WHERE %2;")
                           .arg(table, keep ? "[invoiced] > 0" : "[invoiced] = '1' OR [invoice_id] > 0")))
            return false;
    // A warranty card keeps pointing at its own invoice, never at the new
    // invoice that takes the number.
    return step.Exec("UPDATE [gk_main] SET [to_doc_id] = ([to_doc_id] * -1) WHERE [to_doc_mode] = '2' AND "
                     "[to_doc_id] > 0;");
}

bool renumberGoodsNotes(UpgradeStep& step) {
    for (const char* table :
         {"stokovi_main", "stokovi_items", "stokovi_firmdata", "stokovi_partners", "soldmat"})
        if (!step.Exec(QString("UPDATE [%1] SET [doc_id] = ([doc_id] * -1);").arg(table)))
            return false;
    // Only the sales' operations follow their goods notes; a delivery's
    // operation keeps the link to its delivery, which is not renumbered.
    return step.Exec(
               "UPDATE [cash_register] SET [based_on_doc_id] = ([based_on_doc_id] * -1) WHERE [op_type] = "
               "'0' AND [based_on_doc_id] > 0;") &&
           step.Exec("UPDATE [gk_main] SET [to_doc_id] = ([to_doc_id] * -1) WHERE [to_doc_mode] = '1' AND "
                     "[to_doc_id] > 0;");
}
} // namespace

bool UpgradeTo10(UpgradeContext& context) {
    UpgradeStep step(context, 10);
    if (!step.Begin() || !step.Exec("DELETE FROM [banks] WHERE [is_vat] != '0';") || !step.Rebuild("banks"))
        return false;
    for (const char* table :
         {"stokovi_firmdata", "invoices_firmdata", "proforms_firmdata", "partners", "supplies_partners"})
        if (!step.Rebuild(table))
            return false;
    if (!step.ExecPrintf("DELETE FROM [settings] WHERE [key_name] = ?;", "use_new_id"))
        return false;
    // The questions wait for the clerk while this change holds the file:
    // nobody else may use it during the upgrade anyway.
    for (const Question& question : identifierQuestions()) {
        if (context.prompter.AskYesNo(question.text, MessageIcon::Question) != Answer::Yes)
            continue;
        for (const char* statement : question.statements)
            if (!step.Exec(statement))
                return false;
    }
    if (!renumberInvoices(step,
                          context.prompter.AskYesNo(kInvoiceQuestion, MessageIcon::Question) == Answer::Yes))
        return false;
    if (context.prompter.AskYesNo(kGoodsNoteQuestion, MessageIcon::Question) == Answer::Yes &&
        !renumberGoodsNotes(step))
        return false;
    return step.Rebuild("stokovi_main") && step.Rebuild("invoices_main") && step.Rebuild("proforms_main") &&
           step.Indexes("partners", {"!IDX_partners_id:partner_id", "IDX_partners_name:partner_name"}) &&
           step.Indexes("stokovi_firmdata", {"!IDX_stokovi_firmdata_doc_id:doc_id"}) &&
           step.Indexes("invoices_firmdata", {"!IDX_invoices_firmdata_doc_id:doc_id"}) &&
           step.Indexes("proforms_firmdata", {"!IDX_proforms_firmdata_doc_id:doc_id"}) &&
           step.Indexes("stokovi_main",
                        {"!IDX_stokovi_main_doc_id:doc_id", "IDX_stokovi_main_doc_dt:doc_dt"}) &&
           step.Indexes("invoices_main",
                        {"!IDX_invoices_main_doc_id:doc_id", "IDX_invoices_main_doc_dt:doc_dt"}) &&
           step.Indexes("proforms_main", {"!IDX_proforms_main_doc_id:doc_id"}) && step.Finish();
}

bool UpgradeTo11(UpgradeContext& context) {
    UpgradeStep step(context, 11);
    return step.Begin() && step.Rebuild("stokovi_main") && step.Rebuild("invoices_main") &&
           step.RenewIndexes() && step.Finish();
}

bool UpgradeTo12(UpgradeContext& context) {
    UpgradeStep step(context, 12);
    return step.Begin() && step.RenewIndexes() && step.Finish();
}

bool UpgradeTo13(UpgradeContext& context) {
    UpgradeStep step(context, 13);
    const UpgradeLocalValues& local = context.local;
    return step.Begin() && step.Rebuild("requests_main") && step.Rebuild("requests_items") &&
           step.Rebuild("firmdata") &&
           step.ExecPrintf("UPDATE [firmdata] SET firm_name_lat = ?, city_lat = ?, address_lat = ?, "
                           "mol_lat = ?;",
                           local.firmName, local.firmCity, local.firmAddress, local.firmMol) &&
           step.RenewIndexes() && step.Finish();
}

bool UpgradeTo14(UpgradeContext& context) {
    UpgradeStep step(context, 14);
    if (!step.Begin() || !step.Rebuild("requests_main") ||
        !step.ExecPrintf("UPDATE [requests_main] SET [curr] = ?;", "BGL"))
        return false;
    for (const char* table :
         {"partners", "supplies_main", "supplies_items", "stokovi_items", "invoices_items"})
        if (!step.Rebuild(table))
            return false;
    ResultTable costs;
    if (!step.Query(
            "SELECT DISTINCT si.item_code, s.cost_price FROM stokovi_items AS si INNER JOIN (SELECT * "
            "FROM stocks) AS s ON si.item_code = s.code;",
            costs))
        return false;
    for (int r = 1; r <= costs.Rows(); ++r) {
        const QString code = costs.Text(r, 0);
        const double cost = costs.Double(r, 1);
        if (!step.ExecPrintf("UPDATE [stokovi_items] SET cost_price = ? WHERE item_code = ?;", SqlDecimal{cost, 5},
                             code) ||
            !step.ExecPrintf("UPDATE [invoices_items] SET cost_price = ? WHERE item_code = ?;", SqlDecimal{cost, 5},
                             code))
            return false;
    }
    if (!step.Create("stock_prices") || !step.RenewIndexes() || !step.Commit())
        return false;
    if (context.prompter.AskYesNo(
            "Предстои извършване на оптимизация на Вашата база данни. Това може да отнеме "
            "до няколко минути. \nЖелаете ли да бъде извършена оптимизация на данните "
            "(това действие е препоръчително)?",
            MessageIcon::Question) == Answer::Yes)
        context.db.Exec("VACUUM;");
    step.Announce();
    return true;
}

bool UpgradeTo(int version, UpgradeContext& context) {
    using Step = bool (*)(UpgradeContext&);
    static const Step steps[] = {UpgradeTo2,  UpgradeTo3,  UpgradeTo4, UpgradeTo5,  UpgradeTo6,
                                 UpgradeTo7,  UpgradeTo8,  UpgradeTo9, UpgradeTo10, UpgradeTo11,
                                 UpgradeTo12, UpgradeTo13, UpgradeTo14};
    return version >= 2 && version <= 14 && steps[version - 2](context);
}
