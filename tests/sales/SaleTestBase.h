#pragma once

#include "sales/SaleFakes.h"
#include "sales/SellForm.h"
#include "support/DatabaseTest.h"
#include "support/TestFirm.h"

// A firm with its data, a customer, goods, a material, a product made of
// the material and the goods, and a service without a recipe.
class SaleTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(AddFirmData(Db()));
        ASSERT_TRUE(Db().Exec(
            "INSERT INTO groups VALUES(1, 'Стоки', 0);"
            "INSERT INTO groups VALUES(2, 'Материали', 0);"
            "INSERT INTO stocks_cmp VALUES('P1', 'M1', 2, 10);"
            "INSERT INTO stocks_cmp VALUES('P1', 'G1', 1, 0);"
            "INSERT INTO partners (partner_id, partner_is_customer, partner_is_supplier, partner_name, "
            "partner_city, partner_address, partner_mol, partner_tax_id, partner_bulstat, default_price) "
            "VALUES(1, 1, 0, 'Д''Артанян ООД', 'Варна', 'ул. \"Първа\" 1', 'Иван', '123', 'BG123', 1);"
            "INSERT INTO stock_codes (stock_code, partner_id, partner_code) VALUES('G1', 1, 'К-77');"));
        ASSERT_TRUE(AddStocks(
            Db(), {StockRow("G1", "Кабел").Unit("м").Quantity(10).Cost(1.2).Prices(2.5, 2).Last(1.1),
                   StockRow("M1", "Мед").Group(2).Unit("кг").Quantity(100).Cost(0.5).Last(0.45).Material(),
                   StockRow("P1", "Удължител").Quantity(3).Prices(20, 18).Work(1).Recipe().Dirty(),
                   StockRow("S1", "Монтаж").Unit("ч.").Prices(30, 25).Recipe().Service()}));
        form = std::make_unique<SellForm>(Db(), prompter, *settings, clock);
        // Nothing goes to the printer unless a test says so.
        prompter.AnswerAlways(kPrintQuestion, Answer::No);
    }
    static constexpr const char* kPrintQuestion = "Желаете ли да отпечатите документа на принтер?";

    // A sale of the code with the customer, the three names and the lines.
    void Begin(SaleOp op) {
        ASSERT_TRUE(form->NewOperation(op, documents));
        partners.ids.push_back(1);
        ASSERT_TRUE(form->ChooseCustomer(partners));
        details.edits.push_back([](SaleDetails& d) {
            d.givenBy = "Предал";
            d.receivedBy = "Приел";
            d.compiledBy = "Съставил";
            d.place = "Русе";
            d.object = "Магазин";
            d.osnovanieVat = "чл. 1";
        });
        ASSERT_TRUE(form->EditDetails(details));
    }
    void Add(const QString& code, double quantity, int kind = -1, double typedPrice = 0) {
        items.codes.push_back(code);
        lines.replies.push_back({quantity, kind, typedPrice});
        ASSERT_TRUE(form->AddLine(items, lines)) << code.toStdString();
    }
    bool Save() { return form->Save(details, printer); }
    QString Stock(const char* code) {
        return Scalar(QByteArray("SELECT ROUND(quantity, 3) FROM stocks WHERE code = '") + code + "';");
    }

    std::unique_ptr<SellForm> form;
    ScriptedItems items;
    ScriptedPartners partners;
    ScriptedLines lines;
    ScriptedFreeText freeText;
    ScriptedDetails details;
    ScriptedDocuments documents;
    RecordingSalePrinter printer;
};
