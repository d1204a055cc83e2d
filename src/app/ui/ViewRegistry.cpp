#include "app/ui/ViewRegistry.h"

#include "app/ViewType.h"
#include "app/ui/CTarvoView.h"

QWidget* ViewRegistry::Create(int viewType, CTarvoDoc& doc, CMainFrame& frame) const {
    const auto found = m_factories.find(viewType);
    return found == m_factories.end() ? nullptr : found->second(doc, frame);
}

ViewRegistry MakeViewRegistry() {
    ViewRegistry views;
    views.Register(ViewType::kStart, [](CTarvoDoc& doc, CMainFrame&) { return new CTarvoView(doc); });
    return views;
}
