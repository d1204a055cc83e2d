#include "lists/ListColumn.h"

#include <algorithm>

std::vector<int> PrintedColumns(const std::vector<ListColumn>& columns) {
    std::vector<int> printed;
    for (size_t k = 0; k < columns.size(); ++k)
        if (!columns[k].printTitle.isEmpty())
            printed.push_back(static_cast<int>(k));
    return printed;
}

QStringList PrintedCells(const std::vector<ListColumn>& columns, const QStringList& cells) {
    QStringList printed;
    for (int k : PrintedColumns(columns))
        printed << cells.value(k);
    return printed;
}

int RowAfterRemoval(int removed, int remaining) {
    return remaining <= 0 ? -1 : std::min(removed, remaining - 1);
}

int ScaledColumnWidth(int designed, double averageCharWidth, int titleWidth) {
    if (designed <= 0)
        return 0;
    const int scaled = static_cast<int>(designed * averageCharWidth / kDesignCharWidth + 0.5);
    return std::max(scaled, titleWidth);
}

QString JoinColumnWidths(const std::vector<int>& widths) {
    QStringList parts;
    for (int width : widths)
        parts << QString::number(width);
    return parts.join(',');
}

std::vector<int> SplitColumnWidths(const QString& text, int count) {
    const QStringList parts = text.split(',', Qt::SkipEmptyParts);
    if (parts.size() != count)
        return {};
    std::vector<int> widths;
    for (const QString& part : parts) {
        bool number = false;
        const int width = part.trimmed().toInt(&number);
        if (!number || width < 0)
            return {};
        widths.push_back(width);
    }
    return widths;
}
