#pragma once

#include "trade/DocumentKind.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

// The stored document the user picked in "избор на документ".
struct DocumentChoice {
    int number = 0;
    QString dateText; // as shown, DD.MM.YYYY
    QDate date;
    QString note;             // a stocktaking's note
    std::vector<int> numbers; // every selected row where several may be chosen
};

// The document browser as the document forms use it: a stored document of
// one kind, optionally of one partner; nothing
// when the user cancelled.
class DocumentChooser {
public:
    virtual ~DocumentChooser() = default;
    virtual std::optional<DocumentChoice> ChooseDocument(DocumentKind kind, int partnerId) = 0;
};
