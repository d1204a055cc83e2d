#pragma once

#include "stockops/DeliveryFakes.h"
#include "stockops/DeliveryForm.h"
#include "support/DatabaseTest.h"
#include "support/TestFirm.h"

#include <memory>

// A VAT-registered firm, a registered supplier whose name holds an
// apostrophe, goods at stock 10 and cost 2.00, a material used by a product,
// and the delivery form on them.
class DeliveryTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(AddFirmData(Db()));
        ASSERT_TRUE(Db().Exec(
            "INSERT INTO groups VALUES(1, 'Стоки', 0);"
            "INSERT INTO groups VALUES(2, 'Материали', 0);"
            "INSERT INTO stocks_cmp VALUES('P1', 'M1', 2, 0);"
            "INSERT INTO partners (partner_id, partner_is_customer, partner_is_supplier, partner_name, "
            "partner_city, partner_address, partner_mol, partner_tax_id, partner_bulstat, partner_bank_name, "
            "partner_bank_code, partner_bank_acc, partner_vat_registered) VALUES(1, 0, 1, 'Д''Артанян ООД', "
            "'Варна', 'ул. \"Първа\" 1', 'О''Нийл', '123', 'BG123', 'ДСК', 'STSABGSF', 'BG80STSA', 1);"));
        ASSERT_TRUE(AddStocks(
            Db(), {StockRow("G1", "Кабел").Unit("м").Quantity(10).Cost(2).Prices(2.5, 2).Last(1.9),
                   StockRow("G2", "Щепсел").Quantity(4).Cost(1).Prices(2, 2).Last(1),
                   StockRow("M1", "Мед").Group(2).Unit("кг").Quantity(100).Cost(0.5).Last(0.45).Material(),
                   StockRow("P1", "Удължител").Quantity(3).Prices(20, 18).Work(1).Recipe()}));
        form = std::make_unique<DeliveryForm>(Db(), prompter, *settings, clock);
        form->Start();
        prompter.AnswerAlways(kPrintQuestion, Answer::No);
    }
    static constexpr const char* kPrintQuestion = "Желаете ли да отпечатите документа на принтер?";
    static constexpr const char* kSaved = "Доставката беше успешно обработена и съхранена.";
    static constexpr const char* kSaveFailed = "Грешка: Програмата не може да съхрани тази операция!";
    static constexpr const char* kTakenQuestion =
        "Грешка: вече има документ с този номер. Желаете ли да използвате следващия\nсвободен номер за да "
        "продължите?";

    void ChooseSupplier() {
        partners.ids.push_back(1);
        ASSERT_TRUE(form->ChooseSupplier(partners));
        form->SetReceivedBy("Мария");
    }
    void Add(const QString& code, double quantity, double price, bool withVat = false) {
        items.codes.push_back(code);
        lines.replies.push_back({quantity, price, withVat});
        ASSERT_TRUE(form->AddLine(items, lines)) << code.toStdString();
    }
    bool Save() { return form->Save(printer); }
    QString Item(const char* code) {
        return Scalar(QByteArray("SELECT ROUND(quantity, 3) || '|' || ROUND(cost_price, 2) || '|' || "
                                 "ROUND(last_price, 2) FROM stocks WHERE code = '") +
                      code + "';");
    }

    std::unique_ptr<DeliveryForm> form;
    ScriptedItems items;
    ScriptedPartners partners;
    ScriptedDeliveryLines lines;
    ScriptedDocuments documents;
    RecordingDeliveryPrinter printer;
};
