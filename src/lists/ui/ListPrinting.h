#pragma once

#include "lists/ListColumn.h"

#include <QStringList>
#include <vector>

class CSortListCtrl;
class FormHost;

// Prints a catalogue-style list as of today (landscape, 50 rows a page, 54 in
// portrait), in the order the list shows it, with the columns of its
// definition that print, through the print preview; when the print dialog's
// selection option is chosen, only the selected rows. cellsBySource holds the screen cells of each row in
// the order the rows were given to the list.
void PrintListAsOfToday(const CSortListCtrl& list, const std::vector<ListColumn>& columns,
                        const std::vector<QStringList>& cellsBySource, const QString& title, FormHost& host);
