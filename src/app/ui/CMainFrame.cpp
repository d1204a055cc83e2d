#include "app/ui/CMainFrame.h"

#include "app/StartView.h"
#include "app/ui/CTarvoView.h"

#include <QStatusBar>

CMainFrame::CMainFrame(CTarvoDoc& doc, QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(StartView::WindowTitle());
    setCentralWidget(new CTarvoView(doc, this));
    statusBar();
    resize(1024, 700);
}
