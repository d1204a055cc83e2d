#include "documents/ui/COffersDlg.h"

#include "base/FormHost.h"
#include "base/ui/DateField.h"
#include "base/ui/DecimalSpinBox.h"
#include "base/ui/FormButton.h"
#include "base/ui/TabOrder.h"
#include "documents/ui/COfferDetailsDlg.h"
#include "format/DocNumber.h"
#include "lists/ui/CSortListCtrl.h"
#include "masterdata/ui/CItemPickerDlg.h"
#include "print/OfferJob.h"
#include "session/TarvoDoc.h"
#include "session/ViewType.h"
#include "settings/LocalSettings.h"
#include "trade/ui/CDocumentBrowserDlg.h"
#include "trade/ui/CSellLineDlg.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

COffersDlg::COffersDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_host(host), m_form(doc.Db(), host.GetPrompter(), host.GetClock()),
      m_list(new CSortListCtrl(doc.ListSortState(), this)) {
    host.SetFormTitle("TARVO - ОФЕРТИ");
    m_list->SetColumns(OffersForm::Columns());
    m_list->RememberWidths(host.Settings(), "OfferLines");
    m_list->setAccessibleName("артикули");
    m_list->setToolTip("Артикулите в офертата. Двукратно кликване върху ред го отваря за промяна...");
    connect(m_list, &QAbstractItemView::doubleClicked, this, [this] { EditLine(); });
    connect(m_list, &CSortListCtrl::openRequested, this, [this] { EditLine(); });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { UpdateButtons(); });

    const std::vector<QWidget*> top{
        MakeFormButton(this, " F6  зареждане ...", Qt::Key_F6, "Зареждане на съхранена оферта...",
                       [this] { Load(); }),
        MakeFormButton(this, " F7  нова оферта", Qt::Key_F7, "Създаване на нова оферта...",
                       [this] { New(); }),
        MakeFormButton(this, " F5  допълнителни данни за офертата ...", Qt::Key_F5,
                       "До кого е адресирана офертата, за какво е, срок на валидност, забележки и автор...",
                       [this] { EditDetails(); }),
        MakeFormButton(this, " F8  печат ...", Qt::Key_F8, "Печат на съхранената оферта...",
                       [this] { Print(); }),
        MakeFormButton(this, " F9  запис", Qt::Key_F9, "Запис на офертата...", [this] { Save(); })};
    auto* add = MakeFormButton(this, " F2  стоки ...", Qt::Key_F2, "Добавяне на артикул към офертата...",
                               [this] { AddLine(); });
    m_edit = MakeFormButton(this, " F3  промяна ...", Qt::Key_F3,
                            "Промяна на количеството и цената на маркирания ред...", [this] { EditLine(); });
    m_delete = MakeFormButton(this, " F4  изтрий", Qt::Key_F4, "Изтриване на маркирания ред...",
                              [this] { DeleteLine(); });
    auto* all = MakeFormButton(this, " изтрий всички", QKeySequence(), "Изтриване на всички редове...",
                               [this] { DeleteAll(); });
    auto* exit = MakeFormButton(this, " F10 изход", Qt::Key_F10, "Изход от модула за оферти...",
                                [this] { m_host.SwitchView(ViewType::kStart); });

    auto* topRow = new QHBoxLayout;
    for (QWidget* button : top)
        topRow->addWidget(button);
    topRow->addStretch();
    auto* bottomRow = new QHBoxLayout;
    for (QPushButton* button : {add, m_edit, m_delete, all})
        bottomRow->addWidget(button);
    bottomRow->addStretch();
    bottomRow->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(topRow);
    layout->addWidget(BuildHeader());
    layout->addWidget(m_list, 1);
    layout->addWidget(BuildTotals());
    layout->addLayout(bottomRow);

    std::vector<QWidget*> order(top.begin(), top.end());
    order.insert(order.end(), {m_date, m_discount, m_vat, m_list, add, m_edit, m_delete, all, exit});
    SetTabOrder(order);
    m_form.Start();
    Show();
}

QWidget* COffersDlg::BuildHeader() {
    auto* header = new QWidget(this);
    m_number = new QLineEdit(header);
    m_number->setReadOnly(true);
    m_number->setFocusPolicy(Qt::NoFocus);
    m_number->setMaximumWidth(m_number->fontMetrics().horizontalAdvance("00000000000") + 16);
    m_number->setToolTip("Номерът на офертата се дава от програмата...");
    m_date = MakeDateField(header, "дата:");
    connect(m_date, &QDateEdit::dateChanged, this, [this](const QDate& date) { m_form.SetDate(date); });
    m_discount = new DecimalSpinBox(header);
    m_discount->setDecimals(2);
    m_discount->setRange(0, 100);
    m_discount->setAccessibleName("ТО %");
    m_discount->setToolTip("Търговска отстъпка в проценти (от 0 до 100)");
    connect(m_discount, &DecimalSpinBox::valueChanged, this, [this](double percent) {
        m_form.SetDiscount(percent);
        ShowTotals();
    });
    m_vat = new QCheckBox("начисли ддс", header);
    m_vat->setToolTip("Начисляване на ДДС върху стойността след отстъпката");
    connect(m_vat, &QCheckBox::toggled, this, [this](bool on) {
        m_form.SetVatUsed(on);
        ShowTotals();
    });
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel("оферта №", header));
    row->addWidget(m_number);
    row->addWidget(new QLabel("дата:", header));
    row->addWidget(m_date);
    row->addSpacing(24);
    row->addWidget(new QLabel("ТО %", header));
    row->addWidget(m_discount);
    row->addSpacing(24);
    row->addWidget(m_vat);
    row->addStretch();
    return header;
}

QWidget* COffersDlg::BuildTotals() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch();
    for (const char* caption : {"СТОЙНОСТ:", "ТО:", "ДДС:", "ВСИЧКО:"}) {
        auto* field = new QLineEdit(panel);
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
        field->setAlignment(Qt::AlignRight);
        field->setMaximumWidth(130);
        field->setAccessibleName(caption);
        row->addWidget(new QLabel(caption, panel));
        row->addWidget(field);
        m_totals.push_back(field);
    }
    return panel;
}

void COffersDlg::Show(int selectLine) {
    const Offer& offer = m_form.Current();
    m_number->setText(FormatDocNumber(offer.number));
    {
        const QSignalBlocker quietDate(m_date), quietDiscount(m_discount), quietVat(m_vat);
        m_date->setDate(offer.date);
        m_discount->setValue(offer.discount);
        m_vat->setChecked(offer.vatUsed);
    }
    // A loaded offer keeps its stored VAT choice; only a firm that may
    // charge VAT can change it.
    m_vat->setEnabled(m_form.VatAllowed());
    std::vector<QStringList> rows;
    for (const OfferLine& line : offer.lines)
        rows.push_back(OffersForm::Cells(line));
    const int count = static_cast<int>(rows.size());
    m_list->ShowRows(std::move(rows), {}, selectLine < 0 ? count - 1 : selectLine);
    ShowTotals();
    UpdateButtons();
}

void COffersDlg::ShowTotals() {
    const QStringList texts = m_form.TotalTexts();
    for (size_t k = 0; k < m_totals.size(); ++k)
        m_totals[k]->setText(texts.value(static_cast<int>(k)));
}

void COffersDlg::UpdateButtons() {
    const bool selected = m_list->SelectedSource() >= 0;
    m_edit->setEnabled(selected);
    m_delete->setEnabled(selected);
}

void COffersDlg::New() {
    if (m_form.New())
        Show();
}

void COffersDlg::Load() {
    GuiDocumentChooser documents(m_doc, m_host, this);
    if (m_form.Load(documents))
        Show(0);
}

void COffersDlg::AddLine() {
    GuiItemChooser items(m_doc, m_host, this);
    GuiSaleLineDialog dialog(this);
    if (m_form.AddLine(items, dialog))
        Show(static_cast<int>(m_form.Current().lines.size()) - 1);
}

void COffersDlg::EditLine() {
    const int line = m_list->SelectedSource();
    GuiSaleLineDialog dialog(this);
    if (m_form.EditLine(line, dialog))
        Show(line);
}

void COffersDlg::DeleteLine() {
    const int line = m_list->SelectedSource();
    if (m_form.DeleteLine(line))
        Show(std::min(line, static_cast<int>(m_form.Current().lines.size()) - 1));
}

void COffersDlg::DeleteAll() {
    if (m_form.DeleteAll())
        Show();
}

void COffersDlg::EditDetails() {
    GuiOfferDetailsEditor editor(this);
    m_form.EditDetails(editor);
}

void COffersDlg::Save() {
    GuiOfferDetailsEditor editor(this);
    if (m_form.Save(editor))
        Show(m_list->SelectedSource());
}

void COffersDlg::Print() {
    if (!m_form.MayPrint())
        return;
    const LocalSettings& settings = m_host.Settings();
    OfferJob job(m_form.Current(), m_form.VatRate(),
                 [&settings] { return settings.EconomicPrintMode() != 0; });
    m_host.ShowPrintPreview(job);
}
