#pragma once

#include "lists/ListColumn.h"
#include "masterdata/QuantityInput.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class Database;
class ItemChooser;
class Prompter;

// One line of a recipe ("разходна норма"): an item consumed per unit of the
// product or service, with its extra consumption in percent ("надмерка").
struct ComponentLine {
    QString code;
    QString name;
    QString units;
    double quantity = 0;
    double randeman = 0;
    double unitCost = 0; // the component's cost, 2 decimals

    // quantity x (1 + randeman / 100), 3 decimals.
    double Total() const;
    // Total x unit cost, 2 decimals.
    double Sum() const;
    QStringList Cells() const;
};

// The quantity dialog refuses a quantity that is not positive.
bool ValidComponentQuantity(double quantity, Prompter& prompter);

// What the component list of the product/service dialog does.
class RecipeEditor {
public:
    RecipeEditor(Database& db, Prompter& prompter) : m_db(db), m_prompter(prompter) {}

    // The component list, on screen and on the printed recipe.
    static std::vector<ListColumn> Columns();
    const std::vector<ComponentLine>& Lines() const { return m_lines; }
    // Reads the recipe of an item (edit and copy modes).
    bool Load(const QString& ownerCode);

    // F5: chooses a material or product and its quantity. owner is the
    // recipe's own code; a new item is only checked for cycles, an edited or
    // copied one also for choosing itself.
    bool Add(const QString& owner, bool refuseOwner, ItemChooser& chooser, QuantityInput& input);
    // F6: a new quantity for a line.
    bool Change(int index, QuantityInput& input);
    // F7: removes the lines after asking.
    bool Remove(std::vector<int> indices);

    // The cost the dialog shows and saves: work costs plus every line's
    // rounded unit cost times its rounded total.
    double Cost(double workCosts) const;

private:
    Database& m_db;
    Prompter& m_prompter;
    std::vector<ComponentLine> m_lines;
};
