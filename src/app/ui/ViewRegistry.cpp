#include "app/ui/ViewRegistry.h"

#include "app/ui/CTarvoView.h"
#include "documents/ui/CCashRegisterDlg.h"
#include "documents/ui/CWarrantyCardDlg.h"
#include "documents/ui/COffersDlg.h"
#include "masterdata/ui/CNomenclaturesDlg.h"
#include "masterdata/ui/CPartnersDlg.h"
#include "reports/ui/CIncomeExpensesDiagram.h"
#include "reports/ui/CMonthGridForm.h"
#include "reports/ui/CPeriodReportForm.h"
#include "reports/ui/CReportOborotByPartnerDlg.h"
#include "reports/ui/CReportQuantitiesDlg.h"
#include "reports/ui/CReportSellsByPartnerDlg.h"
#include "reports/ui/CReportStockMovementDlg.h"
#include "sales/ui/CSellDlg.h"
#include "session/ViewType.h"
#include "stockops/ui/CDeliveryDlg.h"
#include "stockops/ui/CProductionDlg.h"
#include "stockops/ui/CRequestDlg.h"
#include "stockops/ui/CStocktakingDlg.h"

QWidget* ViewRegistry::Create(int viewType, CTarvoDoc& doc, FormHost& host) const {
    const auto found = m_factories.find(viewType);
    return found == m_factories.end() ? nullptr : found->second(doc, host);
}

ViewRegistry MakeViewRegistry() {
    ViewRegistry views;
    views.Register(ViewType::kStart, [](CTarvoDoc& doc, FormHost&) { return new CTarvoView(doc); });
    views.Register(ViewType::kCatalogue,
                   [](CTarvoDoc& doc, FormHost& host) { return new CNomenclaturesDlg(doc, host); });
    views.Register(ViewType::kSales, [](CTarvoDoc& doc, FormHost& host) { return new CSellDlg(doc, host); });
    views.Register(ViewType::kDeliveries,
                   [](CTarvoDoc& doc, FormHost& host) { return new CDeliveryDlg(doc, host); });
    views.Register(ViewType::kProduction,
                   [](CTarvoDoc& doc, FormHost& host) { return new CProductionDlg(doc, host); });
    views.Register(ViewType::kRequests,
                   [](CTarvoDoc& doc, FormHost& host) { return new CRequestDlg(doc, host); });
    views.Register(ViewType::kCashRegister,
                   [](CTarvoDoc& doc, FormHost& host) { return new CCashRegisterDlg(doc, host); });
    views.Register(ViewType::kOffers,
                   [](CTarvoDoc& doc, FormHost& host) { return new COffersDlg(doc, host); });
    views.Register(ViewType::kWarrantyCards,
                   [](CTarvoDoc& doc, FormHost& host) { return new CWarrantyCardDlg(doc, host); });
    views.Register(ViewType::kStocktaking,
                   [](CTarvoDoc& doc, FormHost& host) { return new CStocktakingDlg(doc, host); });
    views.Register(ViewType::kStockQuantitiesReport,
                   [](CTarvoDoc& doc, FormHost& host) { return new CReportQuantitiesDlg(doc, host); });
    views.Register(ViewType::kTurnoverByMonthsAndCustomersReport, MakeTurnoverByMonthsAndCustomers);
    views.Register(ViewType::kTurnoverByMonthsAndItemsReport, MakeTurnoverByMonthsAndItems);
    views.Register(ViewType::kProfitByCustomersReport, MakeProfitByCustomers);
    views.Register(ViewType::kProfitByMonthsAndItemsReport, MakeProfitByItems);
    views.Register(ViewType::kTurnoverByPartnerReport,
                   [](CTarvoDoc& doc, FormHost& host) { return new CReportOborotByPartnerDlg(doc, host); });
    views.Register(ViewType::kSalesByItemReport,
                   [](CTarvoDoc& doc, FormHost& host) { return new CReportSellsByPartnerDlg(doc, host); });
    views.Register(ViewType::kIncomeExpenseDiagram,
                   [](CTarvoDoc& doc, FormHost& host) { return new CIncomeExpensesDiagram(doc, host); });
    views.Register(ViewType::kStockMovementReport,
                   [](CTarvoDoc& doc, FormHost& host) { return new CReportStockMovementDlg(doc, host); });
    views.Register(ViewType::kDeliveriesReport,
                   [](CTarvoDoc& doc, FormHost& host) { return new CReportDeliveriesDlg(doc, host); });
    views.Register(ViewType::kProductionReport,
                   [](CTarvoDoc& doc, FormHost& host) { return new CReportProductionDlg(doc, host); });
    views.Register(ViewType::kConsumedMaterialsReport,
                   [](CTarvoDoc& doc, FormHost& host) { return new CReportConsumatives(doc, host); });
    views.Register(ViewType::kPartners,
                   [](CTarvoDoc& doc, FormHost& host) { return new CPartnersDlg(doc, host); });
    return views;
}
