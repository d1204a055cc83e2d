#pragma once

#include "base/OpenFileChooser.h"

class QWidget;

// The desktop's dialog for a file to read.
class GuiOpenFileChooser : public OpenFileChooser {
public:
    explicit GuiOpenFileChooser(QWidget* parent) : m_parent(parent) {}
    QString ChooseOpenFile(const QString& startDirectory, const QString& filter,
                           const QString& defaultExtension) override;

private:
    QWidget* m_parent;
};
