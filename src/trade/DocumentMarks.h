#pragma once

#include "trade/DocumentKind.h"

#include <QString>
#include <map>

// A column some kinds of document add to "избор на документ", with the
// command under the list that mends a document's mark: a cash sale's fiscal
// receipt. The kind that keeps the marks implements it, so the browser
// reaches no kind's folder.
class DocumentMarks {
public:
    virtual ~DocumentMarks() = default;
    // The column's title for the kind, or empty when it shows none (in this file).
    virtual QString Title(DocumentKind kind) = 0;
    // The cells of the marked documents of the kind, by number.
    virtual std::map<int, QString> Cells(DocumentKind kind) = 0;
    // The command's caption and hint, and the command for one document.
    virtual QString CommandCaption() const = 0;
    virtual QString CommandHint() const = 0;
    virtual void Mend(DocumentKind kind, int number) = 0;
};
