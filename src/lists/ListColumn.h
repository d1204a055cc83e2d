#pragma once

#include "lists/SortRules.h"

#include <QStringList>
#include <QtCore/qnamespace.h>
#include <vector>

// The tone a list draws a row in (the catalogue shows services in blue and
// products in red).
enum class RowTone { Normal, Blue, Red };

// A column of a list, on screen and on the printed list, in one place so
// that the two never drift apart. The printed cells are the screen cells of
// the columns that print.
struct ListColumn {
    QString title;
    int width = 0; // on screen, in the units the lists were designed in
    Qt::Alignment alignment = Qt::AlignLeft;
    SortType sort = SortType::Text;
    QString printTitle = QString(); // empty: the column is not printed
    int printWidth = 0;             // 0.1 mm; 0 shares what the others leave
};

// The positions of the columns that print, in order.
std::vector<int> PrintedColumns(const std::vector<ListColumn>& columns);
// The cells of a row that print.
QStringList PrintedCells(const std::vector<ListColumn>& columns, const QStringList& cells);

// The width of a column on screen: the designed width, measured for a dialog
// font whose average character is kDesignCharWidth pixels wide, scaled to the
// average character of the font in use, and never narrower than its title.
inline constexpr double kDesignCharWidth = 6.0;
int ScaledColumnWidth(int designed, double averageCharWidth, int titleWidth);

// Column widths as the settings keep them ("120,80,..."), and read back;
// nothing when the text does not hold exactly `count` positive widths.
QString JoinColumnWidths(const std::vector<int>& widths);
std::vector<int> SplitColumnWidths(const QString& text, int count);

// The row to select after row `removed` left a list that now holds
// `remaining` rows: the one that took its place, else the new last, else none.
int RowAfterRemoval(int removed, int remaining);
