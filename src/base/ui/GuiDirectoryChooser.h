#pragma once

#include "base/DirectoryChooser.h"

// The desktop's folder chooser.
class GuiDirectoryChooser : public DirectoryChooser {
public:
    QString ChooseDirectory(const QString& caption, const QString& startDirectory) override;
};
