#pragma once

#include "print/ListPrintJob.h"

class FormHost;
class CSortListCtrl;

// Prints a catalogue-style list as of today (landscape, 50 rows a page, 54 in
// portrait), in the order the list shows it; when the print dialog's
// selection option is chosen, only the selected rows. rowsBySource holds the
// printed cells of each row in the order the rows were given to the list.
void PrintListAsOfToday(const CSortListCtrl& list, std::vector<QStringList> rowsBySource, const QString& title,
                        std::vector<PrintColumn> columns, FormHost& host);
