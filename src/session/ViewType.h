#pragma once

// The number of each form that can fill the main window.
namespace ViewType {
inline constexpr int kStart = 1;
inline constexpr int kCatalogue = 3;
inline constexpr int kDeliveries = 4;
inline constexpr int kRequests = 5;
inline constexpr int kSales = 6;
inline constexpr int kStockQuantitiesReport = 7;
inline constexpr int kSalesByItemReport = 8;
inline constexpr int kDeliveriesReport = 9;
inline constexpr int kConsumedMaterialsReport = 10;
inline constexpr int kIncomeExpenseDiagram = 11;
inline constexpr int kStocktaking = 14;
inline constexpr int kProduction = 15;
inline constexpr int kOffers = 16;
inline constexpr int kStockMovementReport = 17;
inline constexpr int kProductionReport = 18;
inline constexpr int kCashRegister = 20;
inline constexpr int kTurnoverByPartnerReport = 21;
inline constexpr int kTurnoverByMonthsAndItemsReport = 23;
inline constexpr int kTurnoverByMonthsAndCustomersReport = 24;
inline constexpr int kProfitByCustomersReport = 26;
inline constexpr int kProfitByMonthsAndItemsReport = 27;
inline constexpr int kWarrantyCards = 28;
inline constexpr int kPartners = 29;
} // namespace ViewType
