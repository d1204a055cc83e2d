#include "documents/ui/CWarrantyCardDlg.h"

#include "base/FormHost.h"
#include "base/ui/DateField.h"
#include "base/ui/FormButton.h"
#include "base/ui/TabOrder.h"
#include "documents/ui/CWarrantyCardDetailsDlg.h"
#include "documents/ui/CWarrantyCardLineDlg.h"
#include "format/DocNumber.h"
#include "lists/ui/CSortListCtrl.h"
#include "masterdata/ui/CItemPickerDlg.h"
#include "masterdata/ui/CPartnerSelectionDlg.h"
#include "print/WarrantyCardJob.h"
#include "session/TarvoDoc.h"
#include "session/ViewType.h"
#include "settings/LocalSettings.h"
#include "trade/ui/CDocumentBrowserDlg.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

CWarrantyCardDlg::CWarrantyCardDlg(CTarvoDoc& doc, FormHost& host, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_host(host),
      m_form(doc.Db(), host.GetPrompter(), host.Settings(), host.GetClock()),
      m_list(new CSortListCtrl(doc.ListSortState(), this)) {
    host.SetFormTitle("TARVO - ГАРАНЦИОННИ КАРТИ");
    m_list->SetColumns(WarrantyCardForm::Columns());
    m_list->RememberWidths(host.Settings(), "WarrantyLines");
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setAccessibleName("артикули");
    m_list->setToolTip(
        "Списък с включените артикули по тази гаранция. Можете да редактирате запис, като кликнете "
        "два пъти с мишката върху него...");
    connect(m_list, &QAbstractItemView::doubleClicked, this, [this] { EditLine(); });
    connect(m_list, &CSortListCtrl::openRequested, this, [this] { EditLine(); });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { UpdateButtons(); });

    auto* newMenuButton = MakeFormButton(this, " F7  нов документ...", Qt::Key_F7,
                                         "Създаване на нова гаранционна карта, на базата на издадена "
                                         "фактура, ст. р-ка или без базов документ...",
                                         [] {});
    auto* newMenu = new QMenu(newMenuButton);
    newMenu->addAction("Гаранционна карта към Стокова Разписка...", this,
                       [this] { NewFromDocument(WarrantyCard::GoodsNote); });
    newMenu->addAction("Гаранционна карта към Фактура...", this,
                       [this] { NewFromDocument(WarrantyCard::Invoice); });
    newMenu->addAction("Гаранционна карта с произволни артикули", this, [this] { NewFree(); });
    // The button opens its menu, by the mouse and by F7 alike.
    newMenuButton->setMenu(newMenu);

    m_split =
        MakeFormButton(this, " разделяне", QKeySequence(),
                       "При маркиран ред с количество, по-голямо от 1 (к-во = N), разделя артикула на N-на "
                       "брой редове, за да позволи записването на отделните серийни номера...",
                       [this] { Split(); });
    m_merge =
        MakeFormButton(this, " обединяване", QKeySequence(),
                       "Слива в един, няколко маркирани записа за един и същи артикул, като сумира тяхното "
                       "количество...",
                       [this] { Merge(); });
    const std::vector<QWidget*> top{
        MakeFormButton(this, " F6  зареждане...", Qt::Key_F6,
                       "Зареждане на предварително създадена и съхранена гаранционна карта...",
                       [this] { Load(); }),
        newMenuButton,
        MakeFormButton(this, " F8  избор или създаване на клиент ...", Qt::Key_F8,
                       "Кликнете тук, за да изберете и/или създадете нов контрагент...",
                       [this] { ChooseCustomer(); }),
        MakeFormButton(
            this, " F5  допълнителни данни...", Qt::Key_F5,
            "Допълнителни данни, като: условия на гаранцията, тяхното разположение и използвано лого и "
            "контактна информация...",
            [this] { EditDetails(); })};
    const std::vector<QWidget*> bottom{
        m_split,
        m_merge,
        MakeFormButton(this, " F2  стоки  ...", Qt::Key_F2,
                       "Добавяне на нов артикул към гаранционната карта...", [this] { AddLine(); }),
        MakeFormButton(this, " F3  промяна ...", Qt::Key_F3,
                       "Промяна на наименованието, количеството, мярката или гаранционния срок за маркирания "
                       "запис...",
                       [this] { EditLine(); }),
        MakeFormButton(this, " F4  изтрий", Qt::Key_F4, "Изтриване на избраните записи...",
                       [this] { DeleteLines(); }),
        MakeFormButton(this, " F9  запис и печат", Qt::Key_F9,
                       "Запис и (пред)печат на гаранционната карта...", [this] { SaveAndPrint(); }),
        MakeFormButton(this, " F10  изход", Qt::Key_F10, "Изход от модула за гаранционни карти...",
                       [this] { m_host.SwitchView(ViewType::kStart); })};

    auto* topRow = new QHBoxLayout;
    for (QWidget* button : top)
        topRow->addWidget(button);
    topRow->addStretch();
    auto* bottomRow = new QHBoxLayout;
    for (size_t k = 0; k < bottom.size(); ++k) {
        if (k == 5)
            bottomRow->addStretch();
        bottomRow->addWidget(bottom[k]);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(topRow);
    layout->addWidget(BuildHeader());
    layout->addWidget(m_list, 1);
    layout->addLayout(bottomRow);

    std::vector<QWidget*> order(top.begin(), top.end());
    order.insert(order.end(), {m_date, m_receivedBy, m_term, m_list});
    order.insert(order.end(), bottom.begin(), bottom.end());
    SetTabOrder(order);
    m_form.Start();
    Show();
}

QWidget* CWarrantyCardDlg::BuildHeader() {
    auto* header = new QWidget(this);
    const auto readOnly = [header](const QString& tooltip) {
        auto* field = new QLineEdit(header);
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
        field->setToolTip(tooltip);
        return field;
    };
    m_number = readOnly("Номерът на гаранционната карта се генерира автоматично от програмата...");
    m_number->setMaximumWidth(m_number->fontMetrics().horizontalAdvance("00000000000") + 16);
    m_customer = readOnly("Това е името на избрания от вас клиент");
    m_base =
        readOnly("Показва, на какъв и кой документ (ако е е приложимо) е базирана тази гаранционна карта...");
    m_date = MakeDateField(header, "дата:");
    m_date->setToolTip("Задаване или промяна на датата, на която е издадена и влиза в сила тази гаранционна "
                       "карта...");
    connect(m_date, &QDateEdit::dateChanged, this, [this](const QDate& date) { m_form.SetDate(date); });
    m_receivedBy = new QLineEdit(header);
    m_receivedBy->setToolTip("Впишете или променете името на лицето, което е получило стоките...");
    connect(m_receivedBy, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.SetReceivedBy(text); });
    m_term = new QSpinBox(header);
    m_term->setRange(0, 999);
    m_term->setToolTip("Тук впишете общият срок на действие на гаранцията (в месеци), за целия документ...");
    connect(m_term, &QSpinBox::valueChanged, this, [this](int months) { m_form.SetTerm(months); });

    auto* grid = new QGridLayout(header);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel("гаранционна карта №", header), 0, 0);
    grid->addWidget(m_number, 0, 1);
    grid->addWidget(new QLabel("от дата:", header), 0, 2);
    grid->addWidget(m_date, 0, 3);
    grid->addWidget(new QLabel("базов документ:", header), 0, 4);
    grid->addWidget(m_base, 0, 5);
    grid->addWidget(new QLabel("клиент:", header), 1, 0);
    grid->addWidget(m_customer, 1, 1, 1, 3);
    grid->addWidget(new QLabel("ПРИЕЛ:", header), 1, 4);
    grid->addWidget(m_receivedBy, 1, 5);
    grid->addWidget(new QLabel("ГАР. СРОК В МЕСЕЦИ:", header), 1, 6);
    grid->addWidget(m_term, 1, 7);
    grid->setColumnStretch(5, 1);
    return header;
}

void CWarrantyCardDlg::Show(int selectRow) {
    const WarrantyCard& card = m_form.Card();
    m_number->setText(card.number ? FormatDocNumber(card.number) : QString());
    {
        const QSignalBlocker quietDate(m_date), quietTerm(m_term);
        m_date->setDate(card.date);
        m_term->setValue(card.term);
    }
    m_customer->setText(card.customerName);
    m_receivedBy->setText(card.receivedBy);
    m_base->setText(BaseDocumentText(card));
    std::vector<QStringList> rows;
    for (const WarrantyLine& line : card.lines)
        rows.push_back(WarrantyCardForm::Cells(line));
    m_list->SetRows(std::move(rows));
    if (!card.lines.empty())
        m_list->SelectRow(std::clamp(selectRow, 0, static_cast<int>(card.lines.size()) - 1));
    UpdateButtons();
}

void CWarrantyCardDlg::UpdateButtons() {
    const std::vector<int> selected = m_list->SelectedSources();
    m_split->setEnabled(WarrantyCardForm::MaySplit(m_form.Card(), selected));
    m_merge->setEnabled(WarrantyCardForm::MayMerge(m_form.Card(), selected));
}

void CWarrantyCardDlg::NewFromDocument(int baseKind) {
    GuiDocumentChooser documents(m_doc, m_host, this);
    if (m_form.NewFromDocument(baseKind, documents))
        Show();
}

void CWarrantyCardDlg::NewFree() {
    if (m_form.NewFree())
        Show();
}

void CWarrantyCardDlg::AddLine() {
    GuiItemChooser items(m_doc, m_host, this);
    GuiWarrantyLineEditor editor(m_host.GetPrompter(), this);
    if (m_form.AddLine(items, editor))
        Show(static_cast<int>(m_form.Card().lines.size()) - 1);
}

void CWarrantyCardDlg::EditLine() {
    GuiWarrantyLineEditor editor(m_host.GetPrompter(), this);
    const int row = m_list->SelectedSource();
    if (m_form.EditLine(row, editor))
        Show(row);
}

void CWarrantyCardDlg::Split() {
    const std::vector<int> selected = m_list->SelectedSources();
    if (m_form.Split(selected))
        Show(selected.front());
}

void CWarrantyCardDlg::Merge() {
    const std::vector<int> selected = m_list->SelectedSources();
    if (m_form.Merge(selected))
        Show(selected.front());
}

void CWarrantyCardDlg::DeleteLines() {
    const std::vector<int> selected = m_list->SelectedSources();
    if (m_form.DeleteLines(selected))
        Show(selected.front());
}

void CWarrantyCardDlg::ChooseCustomer() {
    GuiPartnerChooser partners(m_doc, m_host, this);
    if (m_form.ChooseCustomer(partners))
        Show();
}

void CWarrantyCardDlg::EditDetails() {
    GuiWarrantyDetailsEditor editor(m_host.GetPrompter(), m_host.Settings(), this);
    m_form.EditDetails(editor);
}

void CWarrantyCardDlg::Load() {
    GuiDocumentChooser documents(m_doc, m_host, this);
    if (m_form.Load(documents))
        Show();
}

void CWarrantyCardDlg::SaveAndPrint() {
    if (!m_form.Save())
        return;
    Show();
    const QString headPath = m_form.HeadImagePath(m_doc.DatabaseDirectory());
    QImage head;
    if (!headPath.isEmpty())
        head.load(headPath);
    if (head.isNull())
        m_host.SetInfoText("Файлът head.bmp не е намерен; картата се отпечатва без лого.");
    const LocalSettings& settings = m_host.Settings();
    WarrantyCardJob job(m_form.Card(), head, [&settings] { return settings.EconomicPrintMode() != 0; });
    m_host.ShowPrintPreview(job);
}
