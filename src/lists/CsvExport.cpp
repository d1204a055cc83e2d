#include "lists/CsvExport.h"

#include "base/Prompter.h"
#include "base/SaveFileChooser.h"
#include "settings/ListPreferences.h"

#include <QSaveFile>

QString CsvLine(const QStringList& fields, const QString& separator) {
    QStringList out;
    out.reserve(fields.size());
    for (const QString& field : fields) {
        const bool quote =
            field.contains(separator) || field.contains('"') || field.contains('\n') || field.contains('\r');
        out << (quote ? '"' + QString(field).replace('"', "\"\"") + '"' : field);
    }
    return out.join(separator);
}

QByteArray CsvText(const QStringList& titles, const std::vector<QStringList>& rows,
                   const QString& separator) {
    QByteArray data("\xEF\xBB\xBF");
    data += CsvLine(titles, separator).toUtf8() + "\r\n";
    for (const QStringList& row : rows)
        data += CsvLine(row, separator).toUtf8() + "\r\n";
    return data;
}

bool WriteCsv(const QString& path, const QStringList& titles, const std::vector<QStringList>& rows,
              const QString& separator, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    const QByteArray data = CsvText(titles, rows, separator);
    if (file.write(data) != data.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

QString ExportListToCsv(const QStringList& titles, const std::vector<QStringList>& rows,
                        const ListPreferences& settings, Prompter& prompter, SaveFileChooser& chooser) {
    const QString path = chooser.ChooseSaveFile("Експорт в CSV", "tarvo.csv", "CSV файлове (*.csv)");
    if (path.isEmpty())
        return QString();
    QString error;
    if (!WriteCsv(path, titles, rows, settings.CsvSeparator(), &error)) {
        prompter.Message(QString("Файлът %1 не може да бъде записан:\n%2").arg(path, error),
                         MessageIcon::Stop);
        return QString();
    }
    return QString("Записани са %1 реда в %2").arg(rows.size()).arg(path);
}
