#pragma once

class QWidget;
struct PrinterSettings;

// The printer set-up dialog on the program's printer settings: printer, paper
// and orientation. Changes are kept when the user confirms.
void RunPrinterSetup(PrinterSettings& settings, QWidget* parent);
