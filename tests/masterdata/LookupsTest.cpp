#include "masterdata/Bank.h"
#include "masterdata/FirmData.h"
#include "masterdata/Group.h"
#include "masterdata/Item.h"
#include "masterdata/Partner.h"
#include "masterdata/PartnerPrices.h"
#include "support/DatabaseTest.h"

namespace {

using LookupsTest = DatabaseTest;

TEST_F(LookupsTest, ItemsAreInsertedOnceAndLoadedRounded) {
    ::Item goods;
    goods.code = "K-1'";
    goods.name = "Кабел \"НН\" 3x2.5";
    goods.units = "м";
    goods.quantity = 12.3456;
    goods.costPrice = 1.005;
    goods.price1 = 2.675;
    goods.workCosts = 9; // goods have none
    ASSERT_TRUE(InsertItem(Db(), goods));
    EXPECT_FALSE(InsertItem(Db(), goods));
    EXPECT_TRUE(ItemExists(Db(), "K-1'"));
    EXPECT_FALSE(ItemExists(Db(), "K-1"));
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM units WHERE unit = 'м';"), "1");

    ::Item loaded;
    ASSERT_TRUE(LoadItem(Db(), "K-1'", loaded));
    EXPECT_EQ(loaded.name, goods.name);
    EXPECT_DOUBLE_EQ(loaded.quantity, 12.346);
    EXPECT_DOUBLE_EQ(loaded.costPrice, 1.01);
    EXPECT_DOUBLE_EQ(loaded.price1, 2.68);
    EXPECT_EQ(loaded.workCosts, 0);

    ::Item service;
    service.code = "SRV";
    service.units = "ч.";
    service.quantity = 5;
    service.isRecipe = service.isService = 1;
    service.workCosts = 3.456;
    service.isDirty = 1;
    ASSERT_TRUE(InsertItem(Db(), service));
    ASSERT_TRUE(LoadItem(Db(), "SRV", loaded));
    EXPECT_EQ(loaded.quantity, 0);
    EXPECT_DOUBLE_EQ(loaded.workCosts, 3.46);
    EXPECT_DOUBLE_EQ(loaded.costPrice, 3.46); // rolled up on load

    ASSERT_TRUE(LoadItem(Db(), "няма", loaded));
    EXPECT_EQ(loaded.code, "няма");
    EXPECT_TRUE(loaded.name.isEmpty());

    ASSERT_TRUE(Db().Exec("DROP TABLE stocks;"));
    EXPECT_TRUE(ItemExists(Db(), "нов")); // a failed read blocks an insert
    EXPECT_FALSE(LoadItem(Db(), "нов", loaded));
}

TEST_F(LookupsTest, PartnersAreNumberedNamedUniquelyAndFilledInLatin) {
    EXPECT_EQ(GetMaxPartnerId(Db()), 0);
    Partner partner;
    partner.name = "Д'Артанян ЕООД";
    partner.city = "Пловдив";
    partner.mol = "Атос";
    partner.cityLat = "Plovdiv";
    ASSERT_TRUE(InsertPartner(Db(), partner));
    EXPECT_EQ(partner.id, 1);
    EXPECT_FALSE(InsertPartner(Db(), partner));
    Partner second;
    second.name = "Втори";
    ASSERT_TRUE(InsertPartner(Db(), second));
    EXPECT_EQ(second.id, 2);

    Partner loaded;
    ASSERT_TRUE(LoadPartner(Db(), 1, loaded));
    EXPECT_EQ(loaded.nameLat, "Д'Артанян ЕООД");
    EXPECT_EQ(loaded.cityLat, "Plovdiv");
    EXPECT_EQ(loaded.molLat, "Атос");
    EXPECT_EQ(loaded.defaultPrice, 1);
    EXPECT_EQ(Scalar("SELECT partner_name_lat FROM partners WHERE partner_id = 1;"), "");

    loaded.defaultPrice = 2;
    loaded.notes = "плаща в брой; -- без отстъпка";
    ASSERT_TRUE(UpdatePartner(Db(), loaded));
    EXPECT_EQ(Scalar("SELECT default_price || partner_notes FROM partners WHERE partner_id = 1;"),
              "2плаща в брой; -- без отстъпка");
    // Digits only keep their zeros, on insert and on update; empty stays empty.
    for (const QString& notes : {QString("0123"), QString("007.50"), QString()}) {
        loaded.notes = notes;
        ASSERT_TRUE(UpdatePartner(Db(), loaded));
        Partner again;
        ASSERT_TRUE(LoadPartner(Db(), 1, again));
        EXPECT_EQ(again.notes, notes);
    }
    Partner digits;
    digits.name = "Трети";
    digits.notes = "0042";
    ASSERT_TRUE(InsertPartner(Db(), digits));
    ASSERT_TRUE(LoadPartner(Db(), digits.id, digits));
    EXPECT_EQ(digits.notes, "0042");
    EXPECT_EQ(GetPartnerName(Db(), 2), "Втори");
    EXPECT_EQ(GetPartnerName(Db(), 9), "-");
    EXPECT_FALSE(LoadPartner(Db(), 9, loaded));

    ASSERT_TRUE(Db().Exec("INSERT INTO stokovi_main (doc_id, partner_id) VALUES(5, 2);"
                          "INSERT INTO invoices_main (doc_id, partner_id) VALUES(5, 1);"));
    EXPECT_EQ(GetDocumentPartnerId(Db(), 5, 1), 2);
    EXPECT_EQ(GetDocumentPartnerId(Db(), 5, 2), 1);
    EXPECT_EQ(GetDocumentPartnerId(Db(), 6, 1), 0);
}

TEST_F(LookupsTest, PartnerCodesAndPricesGroupsBanksAndVat) {
    ASSERT_TRUE(
        Db().Exec("INSERT INTO stock_codes (stock_code, partner_id, partner_code) VALUES('A', 3, 'X-9');"
                  "INSERT INTO stock_prices (stock_code, partner_id, partner_price) VALUES('A', 3, 4.125);"
                  "INSERT INTO stock_prices (stock_code, partner_id, partner_price) VALUES('B', 3, 0);"
                  "INSERT INTO groups VALUES(4, 'Кабели', 1);"
                  "INSERT INTO banks VALUES(2, 'Банка', 'Център', 'BIC1', 'BG00 1234');"));
    EXPECT_EQ(GetPartnerCode(Db(), 3, "A"), "X-9");
    EXPECT_EQ(GetPartnerCode(Db(), 0, "A"), "");
    EXPECT_EQ(GetPartnerCode(Db(), 3, ""), "");
    EXPECT_DOUBLE_EQ(GetPartnerPrice(Db(), 3, "A"), 4.13);
    EXPECT_EQ(GetPartnerPrice(Db(), 3, "B"), 0);
    EXPECT_EQ(GetPartnerPrice(Db(), 3, "C"), 0);

    Group group;
    EXPECT_TRUE(LoadGroup(Db(), 4, group));
    EXPECT_EQ(group.name, "Кабели");
    EXPECT_EQ(group.parentId, 1);
    EXPECT_FALSE(LoadGroup(Db(), 5, group));
    EXPECT_EQ(group.name, "-");
    EXPECT_EQ(group.parentId, 0);
    EXPECT_EQ(GetGroupName(Db(), 4), "Кабели");
    EXPECT_EQ(GetGroupName(Db(), 0), "-");

    Bank bank;
    LoadBank(Db(), 2, bank);
    EXPECT_EQ(bank.account, "BG00 1234");
    LoadBank(Db(), 3, bank);
    EXPECT_EQ(bank.id, 0);
    EXPECT_TRUE(bank.name.isEmpty());

    EXPECT_EQ(GetVatRate(Db()), 20);
    EXPECT_EQ(IsVatRegistered(Db()), 0);
    ASSERT_TRUE(Db().Exec("INSERT INTO firmdata (firm_name, firm_name_lat, vat_registered, vat_value) "
                          "VALUES('Ф', 'F', 1, 9);"));
    EXPECT_EQ(GetVatRate(Db()), 9);
    EXPECT_EQ(IsVatRegistered(Db()), 1);
    EXPECT_EQ(prompter.Count(), 0);
}

} // namespace
