#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line.
struct CommandLine {
    enum class Mode {
        Window,
        Help,
        Version,
        Init,
        Backup,
        Restore,
        ImportDump,
        Euro,
        Report,
        Pdf,
        Copy,
        Invalid
    };
    Mode mode = Mode::Window;
    // Where the firm lives (a folder or a server's connection string): the
    // argument of the window mode, of init, backup, restore and euro, and the
    // source of copy.
    QString directory;
    // The archive to restore from, or the dump to import.
    QString file;
    // The options of import-dump and report ("--name=value" or "--flag").
    QStringList options;
    // What report and pdf name: the report; the kind, number and output file.
    QStringList places;
    QString error;

    // The arguments after the program name, as the user typed them.
    static CommandLine Parse(const QStringList& arguments);
    // True when the arguments may hold options of the Qt toolkit itself
    // (-platform, -style ...), which only the application object can take out.
    static bool MayHoldToolkitOptions(const QStringList& arguments);
    static QString Usage();
};
