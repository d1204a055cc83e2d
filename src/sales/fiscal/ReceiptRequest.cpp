#include "sales/fiscal/ReceiptRequest.h"

#include "format/DocNumber.h"
#include "format/Rounding.h"
#include "sales/SaleDocument.h"
#include "sales/fiscal/FiscalDeviceSettings.h"
#include "sales/fiscal/FiscalReceiptStore.h"

#include <QJsonArray>

namespace {

// The operator's credentials, when the device wants them.
void addOperator(QJsonObject& body, const FiscalDeviceSettings& device) {
    if (device.operatorPassword.isEmpty())
        return;
    body["operator"] = device.operatorNumber.trimmed();
    body["operatorPassword"] = device.operatorPassword;
}

QJsonArray items(const SaleDocument& doc, const FiscalDeviceSettings& device) {
    QJsonArray list;
    list.append(QJsonObject{{"type", "comment"},
                            {"text", FiscalDocumentTitle(doc).left(qMax(1, device.commentTextMaxLength))}});
    const bool withVat = doc.firm.vatRegistered != 0 && doc.firm.vatRate > 0;
    const int taxGroup = device.TaxGroupFor(doc.firm.vatRegistered != 0, doc.firm.vatRate);
    for (const SaleLine& line : doc.lines) {
        const double price = withVat ? RoundHalfUp(line.price * (1 + doc.firm.vatRate / 100), 2) : line.price;
        QJsonObject item{{"text", line.name.simplified().left(qMax(1, device.itemTextMaxLength))},
                         {"quantity", line.quantity},
                         {"unitPrice", price},
                         {"taxGroup", taxGroup}};
        if (doc.header.discount > 0) {
            item["priceModifierValue"] = doc.header.discount;
            item["priceModifierType"] = "discount-percent";
        }
        list.append(item);
    }
    return list;
}

QJsonArray cashPayment(double total) {
    return QJsonArray{QJsonObject{{"amount", RoundHalfUp(total, 2)}, {"paymentType", "cash"}}};
}

} // namespace

QString FiscalDocumentTitle(const SaleDocument& doc) {
    switch (doc.op) {
    case SaleOp::GoodsNote:
        return "Стокова разписка № " + FormatDocNumber(doc.header.docId);
    case SaleOp::CreditNote:
        return "Кредитно известие № " + FormatDocNumber(doc.header.docId);
    default:
        return "Фактура № " + FormatDocNumber(doc.header.docId);
    }
}

QJsonObject SaleReceiptBody(const SaleDocument& doc, double total, const FiscalDeviceSettings& device,
                            const QString& uniqueSaleNumber) {
    QJsonObject body{{"uniqueSaleNumber", uniqueSaleNumber},
                     {"items", items(doc, device)},
                     {"payments", cashPayment(total)}};
    addOperator(body, device);
    return body;
}

QJsonObject ReversalReceiptBody(const SaleDocument& note, double total, const FiscalDeviceSettings& device,
                                const FiscalReceipt& original) {
    QJsonObject body{{"uniqueSaleNumber", original.uniqueSaleNumber},
                     {"receiptNumber", original.receiptNumber},
                     {"receiptDateTime", original.receiptDateTime},
                     {"fiscalMemorySerialNumber", original.fiscalMemoryNumber},
                     {"reason", "refund"},
                     {"items", items(note, device)},
                     {"payments", cashPayment(total)}};
    addOperator(body, device);
    return body;
}

QJsonObject CashAmountBody(double amount, const FiscalDeviceSettings& device) {
    QJsonObject body{{"amount", RoundHalfUp(amount, 2)}};
    addOperator(body, device);
    return body;
}
