#include "masterdata/BankStore.h"
#include "masterdata/FirmDataStore.h"
#include "masterdata/GroupStore.h"
#include "masterdata/Item.h"
#include "masterdata/ItemStore.h"
#include "masterdata/PartnerPrices.h"
#include "masterdata/PartnerStore.h"
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
    ItemStore store(Db());
    ASSERT_TRUE(Change([&](WriteTransaction& t) { return store.Insert(t, goods); }));
    EXPECT_TRUE(store.Exists("K-1'"));
    EXPECT_FALSE(store.Exists("K-1"));

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
    ASSERT_TRUE(Change([&](WriteTransaction& t) { return store.Insert(t, service); }));
    ASSERT_TRUE(LoadItem(Db(), "SRV", loaded));
    EXPECT_EQ(loaded.quantity, 0);
    EXPECT_DOUBLE_EQ(loaded.workCosts, 3.46);
    EXPECT_DOUBLE_EQ(loaded.costPrice, 3.46); // rolled up on load

    ASSERT_TRUE(LoadItem(Db(), "няма", loaded));
    EXPECT_EQ(loaded.code, "няма");
    EXPECT_TRUE(loaded.name.isEmpty());

    ASSERT_TRUE(Db().Exec("DROP TABLE stocks;"));
    EXPECT_TRUE(store.Exists("нов")); // a failed read blocks an insert
    EXPECT_FALSE(LoadItem(Db(), "нов", loaded));
}

TEST_F(LookupsTest, PartnersAreNumberedNamedUniquelyAndFilledInLatin) {
    EXPECT_EQ(PartnerStore(Db()).MaxId(), 0);
    Partner partner;
    partner.name = "Д'Артанян ЕООД";
    partner.city = "Пловдив";
    partner.mol = "Атос";
    partner.cityLat = "Plovdiv";
    ASSERT_TRUE(PartnerStore(Db()).Insert(partner));
    EXPECT_EQ(partner.id, 1);
    EXPECT_FALSE(PartnerStore(Db()).Insert(partner));
    Partner second;
    second.name = "Втори";
    ASSERT_TRUE(PartnerStore(Db()).Insert(second));
    EXPECT_EQ(second.id, 2);

    Partner loaded;
    ASSERT_TRUE(PartnerStore(Db()).Load(1, loaded));
    EXPECT_EQ(loaded.nameLat, "Д'Артанян ЕООД");
    EXPECT_EQ(loaded.cityLat, "Plovdiv");
    EXPECT_EQ(loaded.molLat, "Атос");
    EXPECT_EQ(loaded.defaultPrice, 1);
    EXPECT_EQ(Scalar("SELECT partner_name_lat FROM partners WHERE partner_id = 1;"), "");

    loaded.defaultPrice = 2;
    loaded.notes = "плаща в брой; -- без отстъпка";
    ASSERT_TRUE(PartnerStore(Db()).Update(loaded));
    EXPECT_EQ(Scalar("SELECT default_price || partner_notes FROM partners WHERE partner_id = 1;"),
              "2плаща в брой; -- без отстъпка");
    // Digits only keep their zeros, on insert and on update; empty stays empty.
    for (const QString& notes : {QString("0123"), QString("007.50"), QString()}) {
        loaded.notes = notes;
        ASSERT_TRUE(PartnerStore(Db()).Update(loaded));
        Partner again;
        ASSERT_TRUE(PartnerStore(Db()).Load(1, again));
        EXPECT_EQ(again.notes, notes);
    }
    Partner digits;
    digits.name = "Трети";
    digits.notes = "0042";
    ASSERT_TRUE(PartnerStore(Db()).Insert(digits));
    ASSERT_TRUE(PartnerStore(Db()).Load(digits.id, digits));
    EXPECT_EQ(digits.notes, "0042");
    EXPECT_EQ(PartnerStore(Db()).Name(2), "Втори");
    EXPECT_EQ(PartnerStore(Db()).Name(9), std::nullopt);
    EXPECT_FALSE(PartnerStore(Db()).Load(9, loaded));

    ASSERT_TRUE(Db().Exec("INSERT INTO stokovi_main (doc_id, partner_id) VALUES(5, 2);"
                          "INSERT INTO invoices_main (doc_id, partner_id) VALUES(5, 1);"));
    EXPECT_EQ(PartnerStore(Db()).DocumentPartnerId(5, 1), 2);
    EXPECT_EQ(PartnerStore(Db()).DocumentPartnerId(5, 2), 1);
    EXPECT_EQ(PartnerStore(Db()).DocumentPartnerId(6, 1), 0);
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
    EXPECT_TRUE(GroupStore(Db()).Load(4, group));
    EXPECT_EQ(group.name, "Кабели");
    EXPECT_EQ(group.parentId, 1);
    EXPECT_FALSE(GroupStore(Db()).Load(5, group));
    EXPECT_EQ(group.name, "-");
    EXPECT_EQ(group.parentId, 0);
    EXPECT_EQ(GroupStore(Db()).Name(4), "Кабели");
    EXPECT_EQ(GroupStore(Db()).Name(0), "-");

    EXPECT_EQ(BankStore(Db()).Find(2).value_or(Bank()).account, "BG00 1234");
    EXPECT_EQ(BankStore(Db()).Find(3), std::nullopt);

    EXPECT_EQ(FirmDataStore(Db()).VatRate(), 20);
    EXPECT_EQ(FirmDataStore(Db()).VatRegistered(), 0);
    ASSERT_TRUE(Db().Exec("INSERT INTO firmdata (firm_name, firm_name_lat, vat_registered, vat_value) "
                          "VALUES('Ф', 'F', 1, 9);"));
    EXPECT_EQ(FirmDataStore(Db()).VatRate(), 9);
    EXPECT_EQ(FirmDataStore(Db()).VatRegistered(), 1);
    EXPECT_EQ(prompter.Count(), 0);
}

} // namespace
