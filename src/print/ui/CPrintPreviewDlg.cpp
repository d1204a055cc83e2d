#include "print/ui/CPrintPreviewDlg.h"

#include "print/PrintJob.h"
#include "print/ui/PrintDialogs.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QVBoxLayout>

CPrintPreviewDlg::CPrintPreviewDlg(PrintJob& job, QPrinter& printer, SaveFileChooser& chooser,
                                   Prompter& prompter, QWidget* parent, std::function<void()> sendByMail)
    : QDialog(parent), m_job(job), m_printer(printer), m_chooser(chooser), m_prompter(prompter),
      m_pages(new QPrintPreviewWidget(&printer, this)), m_pageNumber(new QLabel(this)) {
    setWindowTitle("Преглед преди печат");
    connect(m_pages, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* target) { RenderJob(m_job, *target); });
    connect(m_pages, &QPrintPreviewWidget::previewChanged, this, &CPrintPreviewDlg::ShowPageNumber);

    auto* tools = new QToolBar(this);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto add = [&](const QString& text, const QKeySequence& key, auto run) {
        QAction* action = tools->addAction(text, this, run);
        action->setShortcut(key);
        return action;
    };
    add("&Печат...", QKeySequence::Print, [this] {
        if (Print())
            accept();
    });
    add("Запис като P&DF...", QKeySequence(Qt::CTRL | Qt::Key_D), [this] { SaveAsPdf(); });
    if (sendByMail)
        add("Изпращане по &e-mail ...", QKeySequence(Qt::CTRL | Qt::Key_E), std::move(sendByMail));
    tools->addSeparator();
    add("&Първа", QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { m_pages->setCurrentPage(1); });
    add("Пр&едишна", QKeySequence(Qt::Key_PageUp),
        [this] { m_pages->setCurrentPage(std::max(1, m_pages->currentPage() - 1)); });
    add("Сл&едваща", QKeySequence(Qt::Key_PageDown),
        [this] { m_pages->setCurrentPage(std::min(m_pages->pageCount(), m_pages->currentPage() + 1)); });
    add("П&оследна", QKeySequence(Qt::CTRL | Qt::Key_End),
        [this] { m_pages->setCurrentPage(m_pages->pageCount()); });
    tools->addWidget(m_pageNumber);
    tools->addSeparator();
    add("&Увеличи", QKeySequence::ZoomIn, [this] { m_pages->zoomIn(); });
    add("&Намали", QKeySequence::ZoomOut, [this] { m_pages->zoomOut(); });
    add("Цяла &страница", QKeySequence(Qt::CTRL | Qt::Key_0), [this] { m_pages->fitInView(); });
    add("По &ширина", QKeySequence(Qt::CTRL | Qt::Key_9), [this] { m_pages->fitToWidth(); });
    tools->addSeparator();
    add("&Затвори", QKeySequence(Qt::Key_Escape), [this] { reject(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(m_pages, 1);
    resize(1000, 760);
    m_pages->setFocus();
}

void CPrintPreviewDlg::ShowPageNumber() {
    m_pageNumber->setText(QString("  стр. %1 от %2  ").arg(m_pages->currentPage()).arg(m_pages->pageCount()));
}

bool CPrintPreviewDlg::Print() {
    return PrintThroughDialog(m_job, m_printer, this);
}

bool CPrintPreviewDlg::SaveAsPdf() {
    return SaveJobAsPdf(m_job, m_chooser, m_prompter);
}
