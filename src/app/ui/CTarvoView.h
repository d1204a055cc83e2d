#pragma once

#include "app/StartView.h"

#include <QWidget>

class CTarvoDoc;
class QLabel;

// The start view that fills the main window while no form is open.
class CTarvoView : public QWidget {
    Q_OBJECT
public:
    CTarvoView(CTarvoDoc& doc, QWidget* parent = nullptr);

Q_SIGNALS:
    // The first display of the run has opened the database.
    void databaseOpened();

protected:
    void showEvent(QShowEvent* event) override;

private:
    StartView m_behaviour;
    QLabel* m_version;
};
