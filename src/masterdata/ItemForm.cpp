#include "masterdata/ItemForm.h"

#include "base/Prompter.h"
#include "db/Database.h"
#include "db/WriteTransaction.h"
#include "format/Rounding.h"
#include "masterdata/CostPrices.h"
#include "masterdata/ItemStore.h"
#include "masterdata/UnitStore.h"

ItemForm::ItemForm(Database& db, Prompter& prompter, Kind kind, Mode mode, const Item& source)
    : m_db(db), m_prompter(prompter), m_kind(kind), m_mode(mode), m_source(source) {}

QString ItemForm::Caption() const {
    return m_kind == Kind::Goods ? QString("създаване / редактиране на стоки и материали")
                                 : QString("създаване / редактиране на изделия и услуги");
}

QString ItemForm::Title() const {
    if (m_kind == Kind::Goods) {
        switch (m_mode) {
        case Mode::Create:
            return "създаване на артикул";
        case Mode::Edit:
            return "редактиране на артикул";
        case Mode::Copy:
            return "дублиране на артикул";
        }
    }
    switch (m_mode) {
    case Mode::Create:
        return "създаване на изделие или услуга";
    case Mode::Edit:
        return "редактиране на изделие или услуга";
    case Mode::Copy:
        break;
    }
    return "дублиране на изделие или услуга";
}

ItemForm::Fields ItemForm::Initial() const {
    Fields f;
    f.code = m_source.code;
    f.name = m_source.name;
    f.group = m_source.group;
    // A new item starts counted in pieces, the unit most items have.
    f.units = m_source.units.isEmpty() && m_mode == Mode::Create ? QString("бр.") : m_source.units;
    f.minQuantity = m_source.minQuantity;
    f.costPrice = m_source.costPrice;
    f.price1 = m_source.price1;
    f.price2 = m_source.price2;
    f.lastPrice = m_source.lastPrice;
    f.workCosts = m_source.workCosts;
    f.isMaterial = m_source.isMaterial;
    f.isHidden = m_source.isHidden;
    if (m_source.isRecipe)
        f.type = m_source.isService ? RecipeType::Service : RecipeType::Product;
    return f;
}

bool ItemForm::AddComponent(RecipeEditor& recipe, const QString& typedCode, ItemChooser& items,
                            QuantityInput& quantity) const {
    const QString owner = m_mode == Mode::Edit ? m_source.code : typedCode.trimmed();
    return recipe.Add(owner, m_mode != Mode::Create, items, quantity);
}

bool ItemForm::ConfirmCodeChange() {
    return m_prompter.AskYesNo("Сигурни ли сте, че желаете да промените номенклатурния код на този артикул?",
                               MessageIcon::Question) == Answer::Yes;
}

bool ItemForm::RequestPartnerCodes() {
    if (m_mode != Mode::Edit) {
        m_prompter.Message(
            "Можете да добавяте допълнителни кодове само към вече съхранени номенклатури,\nв режим на "
            "редактиране.\nЗапишете новата стока и преминете в режим на промяна, за да добавите кодове.",
            MessageIcon::Information);
        return false;
    }
    return true;
}

bool ItemForm::RequestPartnerPrices() {
    if (m_mode != Mode::Edit) {
        m_prompter.Message(
            m_kind == Kind::Goods
                ? "Можете да добавяте допълнителни цени само към вече съхранени номенклатури,\nв режим "
                  "на редактиране.\nЗапишете новата стока и преминете в режим на промяна, за да "
                  "добавите нова цена."
                : "Можете да добавяте допълнителни цени само към вече съхранени номенклатури,\nв режим "
                  "на редактиране.\nЗапишете новия артикул и преминете в режим на промяна, за да "
                  "добавите нова цена.",
            MessageIcon::Information);
        return false;
    }
    return true;
}

// Codes and names are kept without outer spaces: a code typed as "A1 " would
// otherwise be a second item that looks like "A1".
Item ItemForm::Compose(const Fields& f) const {
    Item item;
    item.code = f.code.trimmed();
    item.name = f.name.trimmed();
    item.group = f.group;
    item.units = f.units.trimmed();
    item.quantity = m_mode == Mode::Edit ? m_source.quantity : 0;
    item.minQuantity = RoundHalfUp(f.minQuantity, 3);
    item.price1 = RoundHalfUp(f.price1, 2);
    item.price2 = RoundHalfUp(f.price2, 2);
    item.costPrice = RoundHalfUp(f.costPrice, 2);
    item.isHidden = f.isHidden ? 1 : 0;
    if (m_kind == Kind::Goods) {
        item.lastPrice = RoundHalfUp(f.lastPrice, 2);
        item.isMaterial = f.isMaterial ? 1 : 0;
    } else {
        item.isRecipe = 1;
        item.isService = f.type == RecipeType::Service ? 1 : 0;
        item.workCosts = RoundHalfUp(f.workCosts, 2);
        if (item.isService)
            item.quantity = item.minQuantity = 0;
    }
    return item;
}

ItemForm::Field ItemForm::Save(const Fields& fields, const std::vector<ComponentLine>& components) {
    const Item item = Compose(fields);
    if (item.code.isEmpty()) {
        m_prompter.Message("Артикулът няма номенклатурен код. Моля, укажете код.", MessageIcon::Exclamation);
        return Field::Code;
    }
    if (m_kind == Kind::Recipe && fields.type == RecipeType::None) {
        m_prompter.Message("Не е избран тип на разходната норма. Моля, изберете 'изделие' или 'услуга'.",
                           MessageIcon::Exclamation);
        return Field::Type;
    }
    if (item.name.isEmpty()) {
        m_prompter.Message("Артикулът няма наименование. Моля, задайте такова.", MessageIcon::Exclamation);
        return Field::Name;
    }
    if (item.group == 0) {
        m_prompter.Message("Не е избрана група, с която да асоциирате този артикул.",
                           MessageIcon::Exclamation);
        return Field::Group;
    }
    if (item.units.isEmpty()) {
        m_prompter.Message("Не сте избрали мерна единица за този артикул.", MessageIcon::Exclamation);
        return Field::Units;
    }
    if (m_kind == Kind::Recipe && components.empty() &&
        m_prompter.AskYesNo(
            "Не сте добавили материали към разходната норма. Желаете ли да продължите въпреки това?",
            MessageIcon::Question, "Потвърдете") != Answer::Yes)
        return Field::Components;
    if (!Write(item, components))
        return m_failedField;
    m_saved = item;
    return Field::None;
}

// The checks that guard the write (the code is free, every component is
// still an item), the writes, the marking of dependent recipes and the new
// unit all hold one write lock: two seats never both pass a check.
bool ItemForm::Write(const Item& item, const std::vector<ComponentLine>& components) {
    const QString failure = m_mode == Mode::Edit
                                ? QString("Промените по указаната стока не могат да бъдат съхранени.")
                                : QString("Възникнала е грешка от непознат тип!");
    m_failedField = Field::Code;
    ItemStore store(m_db);
    WriteTransaction t(m_db);
    if (!t.Begin())
        return false;
    const bool codeChanged = m_mode == Mode::Edit && item.code != m_source.code;
    if ((m_mode != Mode::Edit || codeChanged) && store.Exists(item.code))
        return t.Refuse("Вече съществува артикул с този номеклатурен код!", MessageIcon::Stop);
    const std::optional<QString> missing = store.MissingComponent(components);
    if (!missing)
        return t.Refuse(failure, MessageIcon::Stop);
    if (!missing->isEmpty()) {
        m_failedField = Field::Components;
        return t.Refuse(QString("Артикулът с код '%1' вече не съществува. Премахнете го от разходната норма.")
                            .arg(*missing),
                        MessageIcon::Stop);
    }
    const bool recipe = m_kind == Kind::Recipe;
    bool written = false;
    if (m_mode == Mode::Edit) {
        const bool renamed =
            item.code != m_source.code || item.name != m_source.name || item.group != m_source.group;
        written = (!recipe || store.WriteRecipe(t, m_source.code, components, true)) &&
                  store.Update(t, m_source.code, item) &&
                  (!renamed || store.PropagateChange(t, m_source.code, item)) &&
                  (item.costPrice == RoundHalfUp(m_source.costPrice, 2) ||
                   MarkDependentRecipesDirty(m_db, item.code));
    } else {
        written = store.Insert(t, item) && (!recipe || store.WriteRecipe(t, item.code, components, false));
    }
    if (!written || !UnitStore(m_db).Add(t, item.units))
        return t.Refuse(failure, MessageIcon::Stop);
    return t.Commit();
}
