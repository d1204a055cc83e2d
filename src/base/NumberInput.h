#pragma once

#include <QString>
#include <optional>

// A one-number input dialog with a given number of decimals; nothing when
// the user cancels.
class NumberInput {
public:
    virtual ~NumberInput() = default;
    virtual std::optional<double> AskNumber(const QString& title, const QString& label, double initial,
                                            int decimals) = 0;
};
