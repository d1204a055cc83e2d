#pragma once

#include "base/SaveFileChooser.h"

class QWidget;

// The desktop's dialog for a file to write.
class GuiSaveFileChooser : public SaveFileChooser {
public:
    explicit GuiSaveFileChooser(QWidget* parent) : m_parent(parent) {}
    QString ChooseSaveFile(const QString& caption, const QString& suggestedName,
                           const QString& filter) override;

private:
    QWidget* m_parent;
};
