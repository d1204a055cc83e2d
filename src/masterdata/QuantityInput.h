#pragma once

#include <QString>
#include <optional>
#include <utility>

// The quantity dialog of a component: quantity and percentage, or nothing
// when cancelled. unitLabel is the component's unit.
class QuantityInput {
public:
    virtual ~QuantityInput() = default;
    virtual std::optional<std::pair<double, double>> AskQuantity(const QString& units, double quantity,
                                                                 double randeman) = 0;
};
