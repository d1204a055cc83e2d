#include "base/OpenFileChooser.h"

#include <QStringList>

QString QtFileFilter(const QString& classic) {
    const QStringList parts = classic.split('|');
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(';', ' ');
        if (description.isEmpty())
            break;
        entries << (description.contains("(" + patterns + ")")
                        ? description
                        : QString("%1 (%2)").arg(description, patterns));
    }
    return entries.join(";;");
}
