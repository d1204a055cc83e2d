#include "stockops/Production.h"

#include "format/Rounding.h"

#include <algorithm>

namespace Productions {

double Consumption(double produced, double componentQuantity, double randeman) {
    return RoundHalfUp(produced * componentQuantity * (1 + randeman / 100), 3);
}

std::vector<MaterialNeed> Materials(const std::vector<ProductionLine>& lines) {
    std::vector<MaterialNeed> materials;
    for (const ProductionLine& line : lines)
        for (const ProductionEntry& entry : line.entries) {
            auto found = std::find_if(materials.begin(), materials.end(),
                                      [&entry](const MaterialNeed& m) { return m.code == entry.code; });
            if (found == materials.end())
                materials.push_back({entry.code, entry.name, entry.units, 0, entry.quantity, entry.cost});
            else
                found->need = RoundHalfUp(found->need + entry.quantity, 3);
        }
    return materials;
}

} // namespace Productions
