#pragma once

#include <QMainWindow>

class CTarvoDoc;

// The main window: one form at a time in its central area, the start view
// while none is open.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CTarvoDoc& doc, QWidget* parent = nullptr);
};
