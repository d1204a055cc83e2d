#include "app/StartView.h"

#include "base/AppInfo.h"
#include "session/TarvoDoc.h"

QString StartView::VersionLabel() {
    return AppInfo::kVersionLabel;
}

QString StartView::WindowTitle() {
    return AppInfo::kWindowTitle;
}

void StartView::Displayed() {
    if (!m_doc.IsFirstDisplay())
        return;
    m_doc.FirstDisplayDone();
    m_doc.GetDatabase();
}
