#pragma once

#include <QString>

class LocalSettings;

// The program's default printer settings, which every print job starts from.
struct PrinterSettings {
    enum class Orientation { Portrait, Landscape };
    Orientation orientation = Orientation::Portrait;
    QString printerName; // empty: the system's default printer
    int pageSizeId = -1; // a page size of the toolkit; -1: the printer's default
};

// Called by each print routine before it prints: 0 asks for portrait, 1 for
// landscape. Does nothing while AutoSetPrintOrientation is off, or when there
// are no printer settings; other values change nothing.
void SetPrintOrientation(int orientation, const LocalSettings& settings, PrinterSettings* printer);
