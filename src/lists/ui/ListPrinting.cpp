#include "lists/ui/ListPrinting.h"

#include "base/Clock.h"
#include "base/FormHost.h"
#include "lists/ui/CSortListCtrl.h"
#include "print/ListPrintJob.h"
#include "settings/LocalSettings.h"

void PrintListAsOfToday(const CSortListCtrl& list, const std::vector<ListColumn>& columns,
                        const std::vector<QStringList>& cellsBySource, const QString& title, FormHost& host) {
    std::vector<QStringList> rows;
    for (int row = 0; row < list.RowCount(); ++row)
        rows.push_back(
            PrintedCells(columns, cellsBySource[static_cast<size_t>(list.Model().SourceIndex(row))]));
    const QDate today = host.GetClock().Now().date();
    LocalSettings& settings = host.Settings();
    ListPrintJob job(title, QString::asprintf("към дата %d.%d.%d", today.day(), today.month(), today.year()),
                     PrintColumnsOf(columns), std::move(rows), PrinterSettings::Orientation::Landscape,
                     [&settings] { return settings.EconomicPrintMode() != 0; });
    job.SetRowsPerPage(50, 54);
    job.SetSelection(list.SelectedRows());
    host.ShowPrintPreview(job);
}
