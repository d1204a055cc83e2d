#pragma once

#include "base/FormHost.h"
#include "lists/ListColumn.h"
#include "stockops/RequestLineDialog.h"
#include "stockops/SupplierRequest.h"

#include <QStringList>
#include <vector>

class Clock;
class Database;
class DocumentChooser;
class ItemChooser;
class LocalSettings;
class PartnerChooser;
class Prompter;
struct RequestPrintout;

// What "TARVO - ЗАЯВКИ" does: a request to a supplier with or without
// prices, its lines with the supplier's codes, saved, loaded and rewritten,
// and the printout. The widget shows this state and forwards the commands.
class RequestForm : public DocumentForm {
public:
    RequestForm(Database& db, Prompter& prompter, LocalSettings& settings, const Clock& clock);

    const SupplierRequest& Request() const { return m_request; }
    bool IsNew() const { return m_isNew; }
    const QStringList& Carriers() const { return m_carriers; }
    bool HasUnsavedChanges() const override { return m_modified && !m_request.lines.empty(); }

    // The list columns; the price columns have width 0 without prices.
    static std::vector<ListColumn> Columns(bool withPrices);
    static QStringList Cells(const RequestLine& line, bool withPrices);
    // "ТОТАЛ (%s):" with the currency.
    QString TotalCaption() const;
    QString TotalText() const;

    // The form opens on a new request without prices.
    void Start();
    // "Заявка без доставни цени" / "Заявка с цени"; false when the user kept
    // the unsaved request.
    bool New(bool withPrices);
    bool Load(DocumentChooser& documents);
    bool ChooseSupplier(PartnerChooser& partners);

    void SetDate(const QDate& date);
    // Remembered for the next request at every change.
    void SetPreparedBy(const QString& name);
    void SetCarrier(const QString& carrier);
    void SetNotes(const QString& notes);
    void SetCompleted(bool completed);
    void SetCurrency(const QString& code);

    // The checks of the line dialog's OK.
    RequestLineDialog::Refusal AcceptLine(const RequestLineDialog::Answer& answer);
    bool AddLine(ItemChooser& items, RequestLineDialog& dialog);
    bool EditLine(int index, RequestLineDialog& dialog);
    bool DeleteLine(int index);

    // " [F9]  запис и печат": the checks, then the save; true when stored
    // (the widget then asks about the printout).
    bool Save();
    // The request with its supplier and the firm as printed.
    RequestPrintout Printout() const;

private:
    void Fresh(bool withPrices);
    void Apply(RequestLine& line, const RequestLineDialog::Answer& answer) const;
    bool Refuse(const QString& text);

    Database& m_db;
    Prompter& m_prompter;
    LocalSettings& m_settings;
    const Clock& m_clock;
    SupplierRequest m_request;
    QStringList m_carriers;
    bool m_isNew = true;
    bool m_modified = false;
    int m_highestSeq = 0;
};
