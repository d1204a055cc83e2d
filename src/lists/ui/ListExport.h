#pragma once

class CSortListCtrl;
class FormHost;

// "Експорт в CSV" of a list as it is shown (its visible columns, in its
// order); the status bar then says where the rows went.
void ExportListShown(const CSortListCtrl& list, FormHost& host);
