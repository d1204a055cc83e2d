#pragma once

#include <vector>

// The kinds of catalogue item.
enum class ItemKind : unsigned { Goods = 1, Materials = 2, Products = 4, Services = 8 };

// A set of kinds: what a document may choose, and what a tab of the item
// picker or a view of the catalogue shows.
class ItemKinds {
public:
    constexpr ItemKinds() = default;
    constexpr ItemKinds(ItemKind kind) : m_bits(static_cast<unsigned>(kind)) {}
    static constexpr ItemKinds All() { return ItemKinds(15u); }

    constexpr ItemKinds operator|(ItemKinds other) const { return ItemKinds(m_bits | other.m_bits); }
    constexpr bool Contains(ItemKinds other) const { return (m_bits & other.m_bits) == other.m_bits; }
    constexpr bool operator==(const ItemKinds& other) const = default;

private:
    constexpr explicit ItemKinds(unsigned bits) : m_bits(bits) {}
    unsigned m_bits = 0;
};

constexpr ItemKinds operator|(ItemKind a, ItemKind b) {
    return ItemKinds(a) | b;
}

// The views of the catalogue's items: the tabs of the item picker and of
// the catalogue show one each.
namespace ItemViews {
inline constexpr ItemKinds kGoodsAndMaterials = ItemKind::Goods | ItemKind::Materials;
inline constexpr ItemKinds kMaterials = ItemKind::Materials;
inline constexpr ItemKinds kProducts = ItemKind::Products;
inline constexpr ItemKinds kServices = ItemKind::Services;
inline constexpr ItemKinds kAll = ItemKinds::All();

// The item picker's five tabs and the catalogue's four, in their order.
const std::vector<ItemKinds>& PickerTabs();
const std::vector<ItemKinds>& CatalogueTabs();
// The position of the view among the tabs; 0 when it has none there.
int TabIndex(const std::vector<ItemKinds>& tabs, ItemKinds view);
} // namespace ItemViews
