#pragma once

#include <QString>
#include <functional>
#include <optional>

// The free-text line of an invoice or note: whatever the clerk types, not
// looked up in the catalogue.
class FreeTextLineDialog {
public:
    struct Line {
        QString code;
        QString name;
        QString units;
        double quantity = 1;
        double price = 0;
    };
    virtual ~FreeTextLineDialog() = default;
    // As the catalogue line dialog: OK closes only when `accept` agrees.
    virtual std::optional<Line> AskFreeText(const Line& initial,
                                            const std::function<bool(const Line&)>& accept) = 0;
};
