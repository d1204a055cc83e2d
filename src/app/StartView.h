#pragma once

#include <QString>

class CTarvoDoc;

// What the start view shows and does when it is displayed.
class StartView {
public:
    explicit StartView(CTarvoDoc& doc) : m_doc(doc) {}

    static QString VersionLabel();
    static QString WindowTitle();

    // Runs each time the start view is shown; the work that belongs to the
    // first display of the run (opening the database, which offers to
    // create a missing one) happens only once. True when this display opened
    // the database.
    bool Displayed();

private:
    CTarvoDoc& m_doc;
};
