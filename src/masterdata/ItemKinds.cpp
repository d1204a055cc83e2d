#include "masterdata/ItemKinds.h"

#include <algorithm>

namespace ItemViews {

const std::vector<ItemKinds>& PickerTabs() {
    static const std::vector<ItemKinds> tabs = {kGoodsAndMaterials, kMaterials, kProducts, kServices, kAll};
    return tabs;
}

const std::vector<ItemKinds>& CatalogueTabs() {
    static const std::vector<ItemKinds> tabs = {kGoodsAndMaterials, kProducts, kServices, kAll};
    return tabs;
}

int TabIndex(const std::vector<ItemKinds>& tabs, ItemKinds view) {
    const auto found = std::find(tabs.begin(), tabs.end(), view);
    return found == tabs.end() ? 0 : static_cast<int>(found - tabs.begin());
}

} // namespace ItemViews
