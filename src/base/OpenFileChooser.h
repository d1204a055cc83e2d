#pragma once

#include <QString>

// The file chooser for an existing file to read, starting in a directory;
// an empty text when the user cancels. The filter is in the classic form
// "Name (*.ext)|*.ext||" (see QtFileFilter).
class OpenFileChooser {
public:
    virtual ~OpenFileChooser() = default;
    virtual QString ChooseOpenFile(const QString& startDirectory, const QString& filter,
                                   const QString& defaultExtension) = 0;
};

// A classic filter of "description|patterns|" pairs ended by "|" in the form
// the desktop's file dialog takes: "description (patterns)" entries joined
// by ";;" (a description that shows its patterns already keeps its text).
QString QtFileFilter(const QString& classic);
