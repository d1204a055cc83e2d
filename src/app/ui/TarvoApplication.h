#pragma once

class QApplication;
struct CommandLine;

// Starts the desktop program: Bulgarian texts, the single running copy, the
// session and the main window shown maximised. Returns the exit status.
int RunTarvoWindow(QApplication& app, const CommandLine& commandLine);
