#include "masterdata/ui/CItemDlg.h"

#include "base/FormHost.h"
#include "base/ui/DecimalSpinBox.h"
#include "base/ui/FormButton.h"
#include "base/ui/TabOrder.h"
#include "db/Database.h"
#include "format/FormatNumber.h"
#include "lists/ui/CSortListCtrl.h"
#include "masterdata/GroupStore.h"
#include "masterdata/UnitsEditor.h"
#include "masterdata/ui/CComponentQuantityDlg.h"
#include "masterdata/ui/CItemPickerDlg.h"
#include "masterdata/ui/CPartnerValuesDlg.h"
#include "print/ListPrintJob.h"
#include "session/TarvoDoc.h"
#include "settings/LocalSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {
DecimalSpinBox* number(QWidget* parent, double value, int decimals, bool readOnly = false) {
    auto* box = new DecimalSpinBox(parent);
    box->setDecimals(decimals);
    box->setRange(0, 999999999.99);
    box->setValue(value);
    box->setReadOnly(readOnly);
    return box;
}

QPushButton* button(QWidget* parent, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    return b;
}
} // namespace

CItemDlg::CItemDlg(ItemForm& form, CTarvoDoc& doc, FormHost& host, QWidget* parent)
    : QDialog(parent), m_form(form), m_doc(doc), m_host(host), m_db(doc.Db()), m_prompter(host.GetPrompter()),
      m_settings(host.Settings()), m_groups(doc.Db(), m_prompter, this), m_recipe(doc.Db(), m_prompter) {
    Database& db = m_db;
    const bool goods = form.ItemKind() == ItemForm::Kind::Goods;
    const ItemForm::Fields initial = form.Initial();
    m_group = initial.group;
    m_type = initial.type;
    setWindowTitle(form.Title());
    setAccessibleName(form.Caption());

    m_code = new QLineEdit(initial.code, this);
    m_code->setMaxLength(50);
    m_code->setReadOnly(form.ItemMode() == ItemForm::Mode::Edit);
    auto* changeCode = button(this, "промяна (F2)");
    changeCode->setEnabled(form.ItemMode() == ItemForm::Mode::Edit);
    connect(changeCode, &QPushButton::clicked, this, [this] {
        if (m_form.ConfirmCodeChange()) {
            m_code->setReadOnly(false);
            m_code->setFocus();
        }
    });
    auto* codes = button(this, "кодове по номенклатурата на контрагенти ...");
    connect(codes, &QPushButton::clicked, this, [this] { OpenPartnerValues(true); });

    m_name = new QLineEdit(initial.name, this);
    m_name->setMaxLength(255);
    m_groupName = new QLineEdit(m_group ? GroupStore(db).Name(m_group) : QString(), this);
    m_groupName->setReadOnly(true);
    m_groupName->setFocusPolicy(Qt::NoFocus);
    auto* chooseGroup = button(this, "избор (F3)");
    connect(chooseGroup, &QPushButton::clicked, this, &CItemDlg::ChooseGroup);

    m_units = new QComboBox(this);
    m_units->setEditable(true);
    UnitsEditor units(db, m_prompter);
    units.Reload();
    m_units->addItems(units.Units());
    m_units->setCurrentText(initial.units);
    m_minQuantity = number(this, initial.minQuantity, 3);
    m_price1 = number(this, initial.price1, 2);
    m_price2 = number(this, initial.price2, 2);
    m_cost = number(this, initial.costPrice, 2, true);
    m_hidden = new QCheckBox("скрита номенклатура", this);
    m_hidden->setChecked(initial.isHidden);
    auto* prices =
        button(this, goods ? "допълнителни продажни цени по клиенти..." : "др. прод. цени по клиенти");
    connect(prices, &QPushButton::clicked, this, [this] { OpenPartnerValues(false); });

    auto* form_ = new QFormLayout;
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(m_code, 1);
    codeRow->addWidget(changeCode);
    codeRow->addWidget(codes);
    form_->addRow("номенклатурен код:", codeRow);
    form_->addRow("наименование на артикула", m_name);
    auto* groupRow = new QHBoxLayout;
    groupRow->addWidget(m_groupName, 1);
    groupRow->addWidget(chooseGroup);
    form_->addRow("група", groupRow);
    form_->addRow("мярка", m_units);

    if (goods) {
        auto* quantity =
            number(this, form.ItemMode() == ItemForm::Mode::Edit ? form.Source().quantity : 0, 3, true);
        quantity->setMinimum(-999999999.99);
        quantity->setValue(form.ItemMode() == ItemForm::Mode::Edit ? form.Source().quantity : 0);
        quantity->setFocusPolicy(Qt::NoFocus);
        form_->addRow("текуща наличност", quantity);
        form_->addRow(" мин. наличност ", m_minQuantity);
    } else {
        m_typeButton = button(this, QString());
        auto* types = new QMenu(m_typeButton);
        types->addAction("изделие", this, [this] { ChooseType(ItemForm::RecipeType::Product); });
        types->addAction("услуга", this, [this] { ChooseType(ItemForm::RecipeType::Service); });
        m_typeButton->setMenu(types);
        ChooseType(m_type);
        form_->addRow("", m_typeButton);
        form_->addRow(" мин. наличност ", m_minQuantity);
        m_workCosts = number(this, initial.workCosts, 2);
        form_->addRow("дъпълн. разходи:", m_workCosts);
    }

    auto* priceRow = new QHBoxLayout;
    priceRow->addWidget(m_price1);
    priceRow->addWidget(m_price2);
    priceRow->addWidget(prices);
    form_->addRow("продажни цени:", priceRow);

    auto* costRow = new QHBoxLayout;
    costRow->addWidget(m_cost, 1);
    QPushButton* changeCost = nullptr;
    if (goods) {
        changeCost = button(this, "^ промяна");
        connect(changeCost, &QPushButton::clicked, this, [this] {
            m_cost->setReadOnly(false);
            m_cost->setFocus();
        });
        costRow->addWidget(changeCost);
        form_->addRow("себестойност", costRow);
        m_lastPrice = number(this, initial.lastPrice, 2);
        form_->addRow("посл. доставна цена", m_lastPrice);
        auto* options = new QGroupBox("допълнителни опции", this);
        auto* optionsLayout = new QHBoxLayout(options);
        m_material = new QCheckBox("материал", options);
        m_material->setChecked(initial.isMaterial);
        optionsLayout->addWidget(m_material);
        optionsLayout->addWidget(m_hidden);
        form_->addRow(options);
    } else {
        form_->addRow("себестойност:", costRow);
        form_->addRow("", m_hidden);
    }

    auto* save = button(this, goods ? "съхраняване и добавяне към списъка" : "запис");
    save->setDefault(true);
    auto* cancel = button(this, "отказ");
    connect(save, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form_);
    if (!goods) {
        layout->addWidget(BuildRecipePart(), 1);
        connect(m_workCosts, &QDoubleSpinBox::valueChanged, this, [this] { ShowComponents(); });
        if (form.ItemMode() != ItemForm::Mode::Create)
            m_recipe.Load(form.Source().code);
        ShowComponents();
        FitComponentColumns();
    }
    layout->addLayout(buttons);

    // Fields in reading order, then the buttons; the code (or, while the
    // code is locked, the name) has the focus.
    m_code->setAccessibleName("номенклатурен код");
    m_price1->setAccessibleName("продажна цена #1");
    m_price2->setAccessibleName("продажна цена #2");
    m_cost->setAccessibleName("себестойност");
    std::vector<QWidget*> order = {m_code,      m_name,   m_units,      m_typeButton, m_minQuantity,
                                   m_workCosts, m_price1, m_price2,     m_cost,       m_lastPrice,
                                   m_material,  m_hidden, m_components, changeCode,   codes,
                                   chooseGroup, prices,   changeCost};
    order.insert(order.end(), m_recipeButtons.begin(), m_recipeButtons.end());
    order.push_back(save);
    order.push_back(cancel);
    SetTabOrder(order);

    auto* f2 = new QShortcut(Qt::Key_F2, this);
    connect(f2, &QShortcut::activated, changeCode, &QPushButton::click);
    auto* f3 = new QShortcut(Qt::Key_F3, this);
    connect(f3, &QShortcut::activated, chooseGroup, &QPushButton::click);
    (m_code->isReadOnly() ? m_name : m_code)->setFocus();
}

void CItemDlg::ChooseGroup() {
    if (const auto chosen = m_groups.ChooseGroup(m_group)) {
        m_group = *chosen;
        m_groupName->setText(GroupStore(m_db).Name(m_group));
    }
}

void CItemDlg::ChooseType(ItemForm::RecipeType type) {
    m_type = type;
    m_typeButton->setText(type == ItemForm::RecipeType::Product   ? "тип: изделие"
                          : type == ItemForm::RecipeType::Service ? "тип: услуга"
                                                                  : "тип: не е избран");
    m_minQuantity->setEnabled(type != ItemForm::RecipeType::Service);
}

ItemForm::Fields CItemDlg::Fields() const {
    ItemForm::Fields f;
    f.code = m_code->text();
    f.name = m_name->text();
    f.group = m_group;
    f.units = m_units->currentText();
    f.minQuantity = m_minQuantity->value();
    f.price1 = m_price1->value();
    f.price2 = m_price2->value();
    f.costPrice = m_cost->value();
    f.lastPrice = m_lastPrice ? m_lastPrice->value() : 0;
    f.workCosts = m_workCosts ? m_workCosts->value() : 0;
    f.isMaterial = m_material && m_material->isChecked() ? 1 : 0;
    f.isHidden = m_hidden->isChecked() ? 1 : 0;
    f.type = m_type;
    return f;
}

QWidget* CItemDlg::BuildRecipePart() {
    auto* box = new QGroupBox("материали, включени разходната норма на артикула:", this);
    m_components = new CSortListCtrl(m_doc.ListSortState(), box);
    m_components->SetColumns(RecipeEditor::Columns());
    m_components->setAccessibleName("материали");
    m_components->RememberWidths(m_settings, "RecipeComponents");
    auto* buttons = new QVBoxLayout;
    m_recipeButtons.push_back(
        MakeFormButton(this, "добавяне на материал (F5)", Qt::Key_F5, QString(), [this] {
            GuiItemChooser items(m_doc, m_host, this);
            GuiQuantityInput quantity(m_prompter, this);
            if (m_form.AddComponent(m_recipe, m_code->text(), items, quantity))
                ShowComponents();
        }));
    m_recipeButtons.push_back(MakeFormButton(this, "промяна на материал (F6)", Qt::Key_F6, QString(), [this] {
        GuiQuantityInput quantity(m_prompter, this);
        const int line = m_components->SelectedSource();
        if (line >= 0 && m_recipe.Change(line, quantity))
            ShowComponents();
    }));
    m_recipeButtons.push_back(
        MakeFormButton(this, "изтриване на материал (F7)", Qt::Key_F7, QString(), [this] {
            if (m_recipe.Remove(m_components->SelectedSources()))
                ShowComponents();
        }));
    m_recipeButtons.push_back(MakeFormButton(this, "отпечатване на принтер (F8)", Qt::Key_F8, QString(),
                                             [this] { PrintRecipe(); }));
    for (QWidget* recipeButton : m_recipeButtons)
        buttons->addWidget(recipeButton);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(m_components, 1);
    layout->addLayout(buttons);
    return box;
}

// The dialog grows (within a 1024-pixel screen) until every column of the
// materials shows without scrolling; the name column gives up what is still
// missing.
void CItemDlg::FitComponentColumns() {
    int columns = 0;
    for (int column = 0; column < m_components->model()->columnCount(); ++column)
        columns += m_components->isColumnHidden(column) ? 0 : m_components->columnWidth(column);
    const int frame = 2 * m_components->frameWidth() + m_components->verticalScrollBar()->sizeHint().width();
    // Beside the list: the column of buttons and the margins of the box and the dialog.
    int around = 60;
    for (const QWidget* button : m_recipeButtons)
        around = std::max(around, button->sizeHint().width() + 60);
    resize(std::clamp(columns + frame + around, 820, 1000), 640);
    const int missing = columns + frame + around - width();
    if (missing > 0)
        m_components->setColumnWidth(1, std::max(120, m_components->columnWidth(1) - missing));
}

void CItemDlg::ShowComponents() {
    std::vector<QStringList> rows;
    for (const ComponentLine& line : m_recipe.Lines())
        rows.push_back(line.Cells());
    m_components->SetRows(std::move(rows));
    m_cost->setValue(m_recipe.Cost(m_workCosts->value()));
}

void CItemDlg::PrintRecipe() {
    std::vector<QStringList> rows;
    for (const ComponentLine& line : m_recipe.Lines())
        rows.push_back(line.Cells());
    ListPrintJob job("РАЗХОДНА НОРМА: " + m_name->text(), "код: " + m_code->text(),
                     PrintColumnsOf(RecipeEditor::Columns()), std::move(rows),
                     PrinterSettings::Orientation::Portrait,
                     [this] { return m_settings.EconomicPrintMode() != 0; });
    job.SetTotals({"", "себестойност:", "", "", "", "", "", FormatNumber(m_cost->value(), 2)});
    m_host.ShowPrintPreview(job);
}

void CItemDlg::OpenPartnerValues(bool codes) {
    if (!(codes ? m_form.RequestPartnerCodes() : m_form.RequestPartnerPrices()))
        return;
    CPartnerValuesDlg(m_doc, m_host, codes ? PartnerItemValues::Kind::Codes : PartnerItemValues::Kind::Prices,
                      m_form.Source().code, this)
        .exec();
}

void CItemDlg::Focus(ItemForm::Field field) {
    switch (field) {
    case ItemForm::Field::Code:
        m_code->setFocus();
        break;
    case ItemForm::Field::Name:
        m_name->setFocus();
        break;
    case ItemForm::Field::Group:
        ChooseGroup();
        break;
    case ItemForm::Field::Units:
        m_units->setFocus();
        m_units->showPopup();
        break;
    case ItemForm::Field::Type:
        if (m_typeButton)
            m_typeButton->setFocus();
        break;
    case ItemForm::Field::Components:
    case ItemForm::Field::None:
        break;
    }
}

void CItemDlg::accept() {
    const ItemForm::Field failed = m_form.Save(Fields(), m_recipe.Lines());
    if (failed == ItemForm::Field::None)
        QDialog::accept();
    else
        Focus(failed);
}
