#include "base/SaveFileChooser.h"
#include "print/OfferJob.h"
#include "print/ListPrintJob.h"
#include "print/ui/CPrintPreviewDlg.h"
#include "support/ScriptedPrompter.h"
#include "support/ScriptedChoosers.h"

#include <QFile>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

ListPrintJob listOf(int rows) {
    std::vector<QStringList> cells;
    for (int i = 1; i <= rows; ++i)
        cells.push_back({QString("А%1").arg(i), QString("Артикул %1").arg(i)});
    return ListPrintJob("НОМЕНКЛАТУРА", "към дата 8.12.2026",
                        {{"код", 200, Qt::AlignLeft}, {"име", 0, Qt::AlignLeft}}, std::move(cells),
                        PrinterSettings::Orientation::Portrait, [] { return false; });
}

// The preview shows every page of the job, offers its commands on the
// keyboard, and saves the job as a PDF file.
TEST(PrintPreview, ShowsThePagesAndSavesThemAsPdf) {
    ListPrintJob job = listOf(120);
    QPrinter printer(QPrinter::HighResolution);
    ScriptedSaveFile chooser;
    ScriptedPrompter prompter;
    CPrintPreviewDlg preview(job, printer, chooser, prompter);
    preview.Pages()->updatePreview();
    EXPECT_EQ(preview.Pages()->pageCount(), 3);
    EXPECT_EQ(preview.windowTitle(), "Преглед преди печат");
    QStringList commands;
    for (QAction* action : preview.findChild<QToolBar*>()->actions())
        if (!action->text().isEmpty())
            commands << action->text();
    EXPECT_TRUE(commands.contains("&Печат...")) << commands.join('|').toStdString();
    EXPECT_TRUE(commands.contains("Запис като P&DF..."));

    QTemporaryDir dir;
    chooser.path = dir.filePath("списък.pdf");
    ASSERT_TRUE(preview.SaveAsPdf());
    QFile pdf(chooser.path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_EQ(prompter.Count(), 0);
    // A list goes to nobody: no e-mail entry.
    EXPECT_FALSE(commands.join('|').contains("e-mail"));

    // A document proposes its own name, as its e-mail attachment has it.
    Offer offer;
    offer.number = 3;
    offer.date = QDate(2026, 12, 8);
    OfferJob document(offer, 20, nullptr);
    CPrintPreviewDlg(document, printer, chooser, prompter).SaveAsPdf();
    EXPECT_EQ(chooser.suggestions, QStringList({"tarvo.pdf", "Оферта_0000000003_2026-12-08.pdf"}));
}

// A document's preview offers the e-mail, on Ctrl+E, and runs what it is given.
TEST(PrintPreview, ADocumentOffersTheEmail) {
    ListPrintJob job = listOf(3);
    QPrinter printer(QPrinter::HighResolution);
    ScriptedSaveFile chooser;
    ScriptedPrompter prompter;
    int sent = 0;
    CPrintPreviewDlg preview(job, printer, chooser, prompter, nullptr, [&sent] { ++sent; });
    QAction* mail = nullptr;
    for (QAction* action : preview.findChild<QToolBar*>()->actions())
        if (action->text() == "Изпращане по &e-mail ...")
            mail = action;
    ASSERT_TRUE(mail);
    EXPECT_EQ(mail->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    mail->trigger();
    EXPECT_EQ(sent, 1);
}

} // namespace
