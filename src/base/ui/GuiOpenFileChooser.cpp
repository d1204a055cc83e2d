#include "base/ui/GuiOpenFileChooser.h"

#include <QFileDialog>

QString GuiOpenFileChooser::ChooseOpenFile(const QString& startDirectory, const QString& filter,
                                           const QString& defaultExtension) {
    QFileDialog dialog(m_parent, QString(), startDirectory, QtFileFilter(filter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDefaultSuffix(QString(defaultExtension).remove(0, defaultExtension.startsWith('.') ? 1 : 0));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}
