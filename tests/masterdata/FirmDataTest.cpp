#include "masterdata/FirmDataStore.h"

#include "masterdata/StockSettings.h"
#include "support/DatabaseTest.h"

namespace {

using FirmDataTest = DatabaseTest;

TEST_F(FirmDataTest, LoadsTheRowOrStaysClearedWithoutOne) {
    FirmData firm;
    firm.firmName = "стара стойност";
    ASSERT_TRUE(FirmDataStore(Db()).Load(firm));
    EXPECT_TRUE(firm.firmName.isEmpty());
    EXPECT_FALSE(firm.IsComplete());

    ASSERT_TRUE(
        Db().ExecPrintf("INSERT INTO firmdata (firm_name, firm_name_lat, city, address, mol, tax_id, "
                        "bulstat, vat_registered, vat_value) VALUES(?, ?, ?, ?, ?, ?, "
                        "?, ?, ?);",
                        "\"Тарво\" ООД", "Tarvo Ltd", "Габрово", "ул. \"Априловска\" 5", "Петя О'Нийл",
                        "203040506", "BG203040506", 1, SqlDecimal{9.0, 2}));
    ASSERT_TRUE(FirmDataStore(Db()).Load(firm));
    EXPECT_EQ(firm.firmName, "\"Тарво\" ООД");
    EXPECT_EQ(firm.firmNameLat, "Tarvo Ltd");
    EXPECT_EQ(firm.mol, "Петя О'Нийл");
    EXPECT_TRUE(firm.cityLat.isEmpty()); // NULL in the file
    EXPECT_EQ(firm.vatRegistered, 1);
    EXPECT_DOUBLE_EQ(firm.vatValue, 9.0);
    EXPECT_TRUE(firm.IsComplete());
}

TEST_F(FirmDataTest, SellingBelowZeroIsOffUntilItIsAllowed) {
    EXPECT_EQ(GetSellsOnZero(Db()), 0);
    ASSERT_TRUE(SetSellsOnZero(Db(), 1));
    EXPECT_EQ(GetSellsOnZero(Db()), 1);
    EXPECT_EQ(GetPricePrecision(), 2);
}

} // namespace
