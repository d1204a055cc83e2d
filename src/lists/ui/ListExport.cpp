#include "lists/ui/ListExport.h"

#include "base/FormHost.h"
#include "base/ui/GuiSaveFileChooser.h"
#include "lists/CsvExport.h"
#include "lists/ui/CSortListCtrl.h"
#include "settings/LocalSettings.h"

void ExportListShown(const CSortListCtrl& list, FormHost& host) {
    GuiSaveFileChooser chooser(list.window());
    const QString done = ExportListToCsv(list.VisibleTitles(), list.VisibleRows(), host.Settings(),
                                         host.GetPrompter(), chooser);
    if (!done.isEmpty())
        host.SetInfoText(done);
}
