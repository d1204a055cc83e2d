#include "app/ui/ViewRegistry.h"

#include "app/ViewType.h"
#include "app/ui/CTarvoView.h"
#include "masterdata/ui/CNomenclaturesDlg.h"
#include "masterdata/ui/CPartnersDlg.h"

QWidget* ViewRegistry::Create(int viewType, CTarvoDoc& doc, CMainFrame& frame) const {
    const auto found = m_factories.find(viewType);
    return found == m_factories.end() ? nullptr : found->second(doc, frame);
}

ViewRegistry MakeViewRegistry() {
    ViewRegistry views;
    views.Register(ViewType::kStart, [](CTarvoDoc& doc, CMainFrame&) { return new CTarvoView(doc); });
    views.Register(ViewType::kCatalogue,
                   [](CTarvoDoc& doc, CMainFrame& frame) { return new CNomenclaturesDlg(doc, frame); });
    views.Register(ViewType::kPartners, [](CTarvoDoc& doc, CMainFrame& frame) { return new CPartnersDlg(doc, frame); });
    return views;
}
