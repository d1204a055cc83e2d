#include "app/StartView.h"

#include "app/AppInfo.h"
#include "app/TarvoDoc.h"

QString StartView::VersionLabel() { return AppInfo::kVersionLabel; }

QString StartView::WindowTitle() { return AppInfo::kWindowTitle; }

void StartView::Displayed() {
    if (!m_doc.IsFirstDisplay())
        return;
    m_doc.FirstDisplayDone();
    m_doc.GetDatabase();
}
