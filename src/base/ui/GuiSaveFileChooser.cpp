#include "base/ui/GuiSaveFileChooser.h"

#include <QDir>
#include <QFileDialog>

QString GuiSaveFileChooser::ChooseSaveFile(const QString& caption, const QString& suggestedName,
                                           const QString& filter) {
    return QFileDialog::getSaveFileName(m_parent, caption, QDir::current().filePath(suggestedName), filter);
}
