#include "app/StartView.h"

#include "base/AppInfo.h"
#include "session/TarvoDoc.h"

QString StartView::VersionLabel() {
    return AppInfo::kVersionLabel;
}

QString StartView::WindowTitle() {
    return AppInfo::kWindowTitle;
}

bool StartView::Displayed() {
    if (!m_doc.IsFirstDisplay())
        return false;
    m_doc.FirstDisplayDone();
    return m_doc.GetDatabase() != nullptr;
}
