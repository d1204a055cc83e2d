#pragma once

#include <QJsonObject>
#include <QString>

struct FiscalDeviceSettings;
struct FiscalReceipt;
struct SaleDocument;

// The JSON bodies of the receipts a sale document prints on the device.

// "Стокова разписка № 0000000005": the document as the receipt's comment
// names it.
QString FiscalDocumentTitle(const SaleDocument& doc);

// A sale receipt: a comment with the document, one sale item per line at
// its price with VAT (name cut to the device's length, the document's
// discount as a percentage on every line, the items adding up to the total),
// and one cash payment of the document's total.
QJsonObject SaleReceiptBody(const SaleDocument& doc, double total, const FiscalDeviceSettings& device,
                            const QString& uniqueSaleNumber);
// The reversal receipt of a credit note: the same items, positive, with the
// original receipt's sale number, number, time and fiscal memory, for a
// refund; the device pays the refund out itself, so no payment is sent.
QJsonObject ReversalReceiptBody(const SaleDocument& note, double total, const FiscalDeviceSettings& device,
                                const FiscalReceipt& original);
// A deposit or withdrawal of cash.
QJsonObject CashAmountBody(double amount, const FiscalDeviceSettings& device);
