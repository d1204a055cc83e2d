#pragma once

#include "lists/ListColumn.h"
#include "masterdata/Partner.h"

#include <QStringList>
#include <vector>

class Database;
class SearchText;

// The three tabs of every partner list.
enum class PartnerTab { All = 0, Customers = 1, Suppliers = 2 };

// The partners of a tab in name order, kept when the search text occurs in
// the name, city, address, identification number or MOL. False when the read
// failed (reported).
bool LoadPartnerList(Database& db, PartnerTab tab, const SearchText& search, std::vector<Partner>& out);

// The wording of a default price: in the edit dialog, and in the lists.
QString DefaultPriceDialogText(int value);
QString DefaultPriceListText(int value);

// The columns and cells of a partner in the partners form (20 columns, of
// which nine print) and in the selection dialog (8).
std::vector<ListColumn> PartnerListColumns();
QStringList PartnerListRow(const Partner& partner);
std::vector<ListColumn> PartnerSelectionColumns();
QStringList PartnerSelectionRow(const Partner& partner);
