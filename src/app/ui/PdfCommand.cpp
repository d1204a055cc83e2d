#include "app/ui/PdfCommand.h"

#include "app/ArchiveCommands.h"
#include "base/Clock.h"
#include "base/FormHost.h"
#include "base/Prompter.h"
#include "base/QuietPrompter.h"
#include "db/Connection.h"
#include "db/ConnectionSource.h"
#include "db/Database.h"
#include "documents/OffersForm.h"
#include "documents/WarrantyCardForm.h"
#include "print/DeliveryReceiptJob.h"
#include "print/HostDeliveryPrinter.h"
#include "print/OfferJob.h"
#include "print/StockDocumentPrints.h"
#include "print/SupplierRequestJob.h"
#include "print/WarrantyCardJob.h"
#include "sales/ui/SaleDocumentPreview.h"
#include "settings/LocalSettings.h"
#include "settings/PrinterSettings.h"
#include "stockops/DeliveryForm.h"
#include "stockops/ProductionForm.h"
#include "stockops/RequestForm.h"
#include "stockops/StocktakingForm.h"
#include "trade/DocumentKinds.h"
#include "trade/GivenDocument.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <functional>

namespace {

// A window for the forms whose print preview writes the PDF file.
class PdfFormHost : public FormHost {
public:
    PdfFormHost(Prompter& prompter, LocalSettings& settings, const Clock& clock, QString path)
        : m_prompter(prompter), m_settings(settings), m_clock(clock), m_path(std::move(path)) {}
    Prompter& GetPrompter() override { return m_prompter; }
    LocalSettings& Settings() override { return m_settings; }
    PrinterSettings& Printer() override { return m_printer; }
    const Clock& GetClock() const override { return m_clock; }
    void ShowPrintPreview(PrintJob& job) override {
        m_error = PdfFileError(job, m_path);
        m_written = m_error.isEmpty();
    }
    void PrintNow(PrintJob& job) override { ShowPrintPreview(job); }
    void SetFormTitle(const QString&) override {}
    void SetInfoText(const QString&) override {}
    void SetDurationText(const QString&) override {}
    void SwitchView(int) override {}
    bool Written() const { return m_written; }
    QString Error() const { return m_error; }

private:
    Prompter& m_prompter;
    LocalSettings& m_settings;
    const Clock& m_clock;
    QString m_path;
    PrinterSettings m_printer;
    bool m_written = false;
    QString m_error;
};

// Loads the document by its form and hands its print job to the host;
// false when it could not be loaded (reported).
bool render(DocumentKind kind, int number, bool copy, Database& db, Prompter& prompter,
            LocalSettings& settings, const Clock& clock, const QString& databaseDirectory,
            PdfFormHost& host) {
    GivenDocument chooser(number);
    const std::function<bool()> economy = [&settings] { return settings.EconomicPrintMode() != 0; };
    switch (kind) {
    case DocumentKind::GoodsNotes:
    case DocumentKind::Invoices:
    case DocumentKind::Proformas:
    case DocumentKind::DebitNotes:
    case DocumentKind::CreditNotes:
        return ShowStoredSaleDocument(db, host, kind, number, !copy);
    case DocumentKind::Deliveries: {
        DeliveryForm form(db, prompter, settings, clock);
        if (!form.Load(chooser))
            return false;
        HostDeliveryPrinter(host).Preview(form.Printout());
        return true;
    }
    case DocumentKind::Production: {
        ProductionForm form(db, prompter, clock);
        if (!form.Load(chooser))
            return false;
        host.ShowPrintPreview(*ProductionPrint(form.Document(), economy));
        return true;
    }
    case DocumentKind::Stocktakings: {
        StocktakingForm form(db, prompter, clock);
        if (!form.LoadChosen(chooser))
            return false;
        host.ShowPrintPreview(*StocktakingProtocol(form.Document(), form.ShownLines(), economy));
        return true;
    }
    case DocumentKind::Requests: {
        RequestForm form(db, prompter, settings, clock);
        if (!form.Load(chooser))
            return false;
        SupplierRequestJob job(form.Printout(), economy);
        host.ShowPrintPreview(job);
        return true;
    }
    case DocumentKind::Offers: {
        OffersForm form(db, prompter, clock);
        if (!form.Load(chooser))
            return false;
        OfferJob job(form.Current(), form.VatRate(), economy);
        host.ShowPrintPreview(job);
        return true;
    }
    case DocumentKind::WarrantyCards: {
        WarrantyCardForm form(db, prompter, settings, clock);
        if (!form.Load(chooser))
            return false;
        QImage head;
        if (const QString path = form.HeadImagePath(databaseDirectory); !path.isEmpty())
            head.load(path);
        WarrantyCardJob job(form.Card(), head, economy);
        host.ShowPrintPreview(job);
        return true;
    }
    default:
        return false; // not printed by number
    }
}

} // namespace

QStringList PdfDocumentKinds() {
    return DocumentKinds::Names();
}

int RunPdfCommand(const QString& kindName, const QString& numberText, const QString& out,
                  const QString& directory, bool copy, LocalSettings& settings, const Clock& clock,
                  Prompter& prompter, Sleeper& sleeper) {
    const DocumentKindInfo* kind = DocumentKinds::Named(kindName);
    if (!kind) {
        prompter.Message(QString("Непознат вид документ: %1\nВидовете са: %2")
                             .arg(kindName, PdfDocumentKinds().join(", ")),
                         MessageIcon::Stop);
        return 1;
    }
    bool ok = false;
    const int number = numberText.toInt(&ok);
    if (!ok || number <= 0) {
        prompter.Message(QString("Невалиден номер на документ: %1").arg(numberText), MessageIcon::Stop);
        return 1;
    }
    Connection connection;
    const QString path = OpenCurrentDatabaseOf(directory, prompter, connection);
    if (path.isEmpty())
        return 1;
    FixedConnectionSource source(connection);
    QuietPrompter quiet(prompter);
    Database db(source, sleeper, quiet);
    // Debit and credit notes share the invoices' numbers: the kind decides.
    if (!DocumentKinds::Exists(db, kind->kind, number)) {
        prompter.Message(QString("Няма документ %1 с номер %2.").arg(kindName).arg(number),
                         MessageIcon::Stop);
        return 1;
    }
    PdfFormHost host(quiet, settings, clock, out);
    if (!render(kind->kind, number, copy, db, quiet, settings, clock, QFileInfo(path).absolutePath(), host))
        return 1;
    if (!host.Written()) {
        QFile::remove(out);
        prompter.Message(QString("Файлът %1 не може да бъде записан.").arg(out) +
                             (host.Error().isEmpty() ? QString() : " " + host.Error()),
                         MessageIcon::Stop);
        return 1;
    }
    return 0;
}
