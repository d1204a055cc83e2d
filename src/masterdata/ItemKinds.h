#pragma once

// The kinds of item a document may choose, as mask bits.
namespace ItemKinds {
inline constexpr int kGoods = 1;
inline constexpr int kMaterials = 2;
inline constexpr int kProducts = 4;
inline constexpr int kServices = 8;
inline constexpr int kAll = 15;
} // namespace ItemKinds

// The five tabs of the item picker.
enum class PickerTab { GoodsAndMaterials = 0, Materials = 1, Products = 2, Services = 3, All = 4 };
