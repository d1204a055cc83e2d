#include "base/ui/GuiDirectoryChooser.h"

#include <QApplication>
#include <QFileDialog>

QString GuiDirectoryChooser::ChooseDirectory(const QString& caption, const QString& startDirectory) {
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), caption, startDirectory,
                                             QFileDialog::ShowDirsOnly);
}
