#include "lists/ui/ListPrinting.h"

#include "settings/LocalSettings.h"
#include "base/Clock.h"
#include "base/FormHost.h"
#include "print/ui/PrintDialogs.h"
#include "lists/ui/CSortListCtrl.h"

void PrintListAsOfToday(const CSortListCtrl& list, std::vector<QStringList> rowsBySource, const QString& title,
                        std::vector<PrintColumn> columns, FormHost& host) {
    std::vector<QStringList> rows;
    std::vector<int> listRowOf(rowsBySource.size());
    for (int row = 0; row < list.RowCount(); ++row) {
        const int source = list.Model().SourceIndex(row);
        listRowOf[static_cast<size_t>(source)] = row;
        rows.push_back(std::move(rowsBySource[static_cast<size_t>(source)]));
    }
    const QDate today = host.GetClock().Now().date();
    LocalSettings& settings = host.Settings();
    ListPrintJob job(title, QString::asprintf("към дата %d.%d.%d", today.day(), today.month(), today.year()),
                     std::move(columns), std::move(rows), PrinterSettings::Orientation::Landscape,
                     [&settings] { return settings.EconomicPrintMode() != 0; });
    job.SetRowsPerPage(50, 54);
    std::vector<int> selected;
    for (int row : list.SelectedRows())
        selected.push_back(row);
    PrintJobWithDialog(job, host.Printer(), settings, list.window(), !selected.empty(), [&](bool selectionOnly) {
        if (selectionOnly)
            job.PrintOnly(selected);
    });
}
