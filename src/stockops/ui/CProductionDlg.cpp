#include "stockops/ui/CProductionDlg.h"

#include "base/FormHost.h"
#include "base/ui/DateField.h"
#include "base/ui/FormButton.h"
#include "base/ui/GuiNumberInput.h"
#include "base/ui/TabOrder.h"
#include "base/ui/WaitCursor.h"
#include "lists/ui/CSortListCtrl.h"
#include "masterdata/ui/CItemPickerDlg.h"
#include "print/StockDocumentPrints.h"
#include "session/TarvoDoc.h"
#include "session/ViewType.h"
#include "settings/LocalSettings.h"
#include "settings/PrinterSettings.h"
#include "trade/ui/CDocumentBrowserDlg.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CProductionDlg::CProductionDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_host(host), m_form(doc.Db(), host.GetPrompter(), host.GetClock()),
      m_products(new CSortListCtrl(doc.ListSortState(), this)),
      m_materials(new CSortListCtrl(doc.ListSortState(), this)) {
    host.SetFormTitle("TARVO - ИЗРАБОТВАНЕ НА ИЗДЕЛИЯ ПО РЕЦЕПТИ");
    SetPrintOrientation(0, host.Settings(), &host.Printer());
    m_products->SetColumns(ProductionForm::ProductColumns());
    m_products->RememberWidths(host.Settings(), "ProductionProducts");
    m_products->setAccessibleName("изделия");
    m_materials->SetColumns(ProductionForm::MaterialColumns());
    m_materials->RememberWidths(host.Settings(), "ProductionMaterials");
    m_materials->setAccessibleName("материали");
    connect(m_products, &QAbstractItemView::doubleClicked, this, &CProductionDlg::ChangeQuantity);
    connect(m_products, &CSortListCtrl::openRequested, this, &CProductionDlg::ChangeQuantity);

    m_add = MakeFormButton(this, " [F2]  изделия...", Qt::Key_F2, "Добавяне на изделие за производство...",
                           [this] { AddProduct(); });
    m_change =
        MakeFormButton(this, " [F3]  количество...", Qt::Key_F3,
                       "Промяна на количеството на маркираното изделие...", [this] { ChangeQuantity(); });
    m_remove = MakeFormButton(this, " [F4]  изтрий", Qt::Key_F4, "Изтриване на маркираното изделие...",
                              [this] { RemoveProduct(); });
    QPushButton* print = MakeFormButton(this, " [F8]  печат...", Qt::Key_F8, "Отпечатване на документа...",
                                        [this] { Print(); });
    QPushButton* save = MakeFormButton(this, " [F9]  запис", Qt::Key_F9,
                                       "Запис на документа и промяна на наличностите в склада...", [this] {
                                           WaitCursor busy;
                                           if (m_form.Save())
                                               Show();
                                       });
    QPushButton* exit =
        MakeFormButton(this, " [F10] изход", Qt::Key_F10, "Изход от модула за производство...",
                       [this] { m_host.SwitchView(ViewType::kStart); });

    auto* lineButtons = new QHBoxLayout;
    for (QPushButton* button : {m_add, m_change, m_remove})
        lineButtons->addWidget(button);
    lineButtons->addStretch();
    auto* endButtons = new QHBoxLayout;
    endButtons->addStretch();
    for (QPushButton* button : {print, save, exit})
        endButtons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildHeader());
    layout->addWidget(new QLabel("изделия:", this));
    layout->addWidget(m_products, 3);
    layout->addLayout(lineButtons);
    layout->addWidget(new QLabel("необходими материали:", this));
    layout->addWidget(m_materials, 2);
    layout->addLayout(endButtons);
    SetTabOrder({m_number, m_date, m_operator, m_load, m_new, m_products, m_add, m_change, m_remove,
                 m_materials, print, save, exit});

    m_form.Start();
    Show();
}

QWidget* CProductionDlg::BuildHeader() {
    auto* header = new QWidget(this);
    m_number = new QLineEdit(header);
    m_number->setReadOnly(true);
    m_number->setAccessibleName("номер:");
    m_number->setMaximumWidth(m_number->fontMetrics().horizontalAdvance("00000000000") + 16);
    m_date = MakeDateField(header, "дата:");
    connect(m_date, &QDateEdit::dateChanged, this, [this](const QDate& date) { m_form.SetDate(date); });
    m_operator = new QComboBox(header);
    m_operator->setEditable(true);
    m_operator->setMinimumWidth(220);
    m_operator->setAccessibleName("изработил:");
    m_operator->addItems(m_form.Operators());
    connect(m_operator, &QComboBox::currentTextChanged, this,
            [this](const QString& name) { m_form.SetOperator(name); });
    m_load =
        MakeFormButton(this, " [F6] зареждане...", Qt::Key_F6, "Зареждане на съхранен документ...", [this] {
            GuiDocumentChooser documents(m_doc, m_host, this);
            if (m_form.Load(documents))
                Show();
        });
    m_new = MakeFormButton(this, "[F7] нов документ", Qt::Key_F7, "Започване на нов документ...", [this] {
        if (m_form.NewDocument())
            Show();
    });
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel("№:", header));
    row->addWidget(m_number);
    row->addWidget(new QLabel("дата:", header));
    row->addWidget(m_date);
    row->addWidget(new QLabel("изработил:", header));
    row->addWidget(m_operator);
    row->addStretch();
    row->addWidget(m_load);
    row->addWidget(m_new);
    return header;
}

void CProductionDlg::Show(int selectLine) {
    const ProductionDocument& d = m_form.Document();
    m_number->setText(m_form.NumberText());
    {
        const QSignalBlocker quiet(m_date);
        m_date->setDate(d.date);
    }
    {
        const QSignalBlocker quiet(m_operator);
        const QString current = d.producedBy;
        m_operator->clear();
        m_operator->addItems(m_form.Operators());
        m_operator->setCurrentText(current);
    }
    std::vector<QStringList> products, materials;
    for (const ProductionLine& line : d.lines)
        products.push_back(ProductionForm::ProductCells(line));
    for (const MaterialNeed& material : d.materials)
        materials.push_back(ProductionForm::MaterialCells(material));
    m_products->SetRows(std::move(products));
    m_products->SelectRow(selectLine >= 0 ? selectLine : 0);
    m_materials->SetRows(std::move(materials));
    const bool editable = m_form.IsNew();
    const bool hasLines = !d.lines.empty();
    m_add->setEnabled(editable);
    m_change->setEnabled(editable && hasLines);
    m_remove->setEnabled(editable && hasLines);
}

void CProductionDlg::AddProduct() {
    GuiItemChooser items(m_doc, m_host, this);
    GuiNumberInput quantity(this);
    if (m_form.AddProduct(items, quantity))
        Show(static_cast<int>(m_form.Document().lines.size()) - 1);
}

void CProductionDlg::ChangeQuantity() {
    const int line = m_products->SelectedSource();
    GuiNumberInput quantity(this);
    if (line >= 0 && m_form.ChangeQuantity(line, quantity))
        Show(line);
}

void CProductionDlg::RemoveProduct() {
    const int line = m_products->SelectedSource();
    if (line >= 0 && m_form.RemoveProduct(line))
        Show();
}

void CProductionDlg::Print() {
    if (!m_form.MayPrint())
        return;
    const LocalSettings& settings = m_host.Settings();
    const std::unique_ptr<ListPrintJob> job =
        ProductionPrint(m_form.Document(), [&settings] { return settings.EconomicPrintMode() != 0; });
    m_host.ShowPrintPreview(*job);
}
