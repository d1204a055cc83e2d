#pragma once

#include "base/FormHost.h"
#include "lists/ListColumn.h"
#include "stockops/Production.h"

#include <QStringList>
#include <vector>

class Clock;
class Database;
class DocumentChooser;
class ItemChooser;
class NumberInput;
class Prompter;
class WriteTransaction;

// What the production form "TARVO - ИЗРАБОТВАНЕ НА ИЗДЕЛИЯ ПО РЕЦЕПТИ" does:
// products added by their recipes, the materials they need, the save that
// consumes the materials and adds the products in one change, and a stored
// document whose date and operator may change.
class ProductionForm : public DocumentForm {
public:
    ProductionForm(Database& db, Prompter& prompter, const Clock& clock);

    bool IsNew() const { return m_isNew; }
    const ProductionDocument& Document() const { return m_doc; }
    QString NumberText() const;
    bool HasUnsavedChanges() const override { return m_isNew && !m_doc.lines.empty(); }
    // The operators of earlier documents, for the operator box.
    QStringList Operators();

    static std::vector<ListColumn> ProductColumns();
    static std::vector<ListColumn> MaterialColumns();
    static QStringList ProductCells(const ProductionLine& line);
    static QStringList MaterialCells(const MaterialNeed& material);

    void Start();
    // A new document; false when the user kept the unsaved one.
    bool NewDocument();
    bool Load(DocumentChooser& documents);

    void SetDate(const QDate& date) { m_doc.date = date; }
    void SetOperator(const QString& name) { m_doc.producedBy = name; }

    bool AddProduct(ItemChooser& items, NumberInput& quantity);
    bool ChangeQuantity(int index, NumberInput& quantity);
    bool RemoveProduct(int index);

    // The checks, then the materials consumed and the products added in one
    // change; a stored document gets its date and operator only.
    bool Save();
    // Whether there is a document to print; names what is missing.
    bool MayPrint();

private:
    std::optional<double> AskQuantity(NumberInput& input, double initial);
    bool FillEntries(ProductionLine& line);
    void RebuildMaterials();
    // Names a shortage of any material unless sales on zero are allowed;
    // true when there is none.
    bool ReportShortage();
    bool SaveNew();
    bool ConsumeAndProduce(WriteTransaction& t, bool sellsOnZero);
    bool SaveStored();

    Database& m_db;
    Prompter& m_prompter;
    const Clock& m_clock;
    ProductionDocument m_doc;
    bool m_isNew = true;
    int m_counter = 0;
};
