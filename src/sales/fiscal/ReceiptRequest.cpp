#include "sales/fiscal/ReceiptRequest.h"

#include "format/DocNumber.h"
#include "format/Rounding.h"
#include "sales/SaleDocument.h"
#include "sales/fiscal/FiscalDeviceSettings.h"
#include "sales/fiscal/FiscalReceiptStore.h"
#include "sales/fiscal/ReceiptItems.h"

#include <QJsonArray>
#include <cmath>

namespace {

// The operator the device prints under, and the password when it wants one.
void addOperator(QJsonObject& body, const FiscalDeviceSettings& device) {
    const QString number = device.operatorNumber.trimmed();
    if (!number.isEmpty())
        body["operator"] = number;
    if (!device.operatorPassword.isEmpty())
        body["operatorPassword"] = device.operatorPassword;
}

const char* modifierName(ReceiptItem::Modifier modifier) {
    switch (modifier) {
    case ReceiptItem::Modifier::DiscountPercent:
        return "discount-percent";
    case ReceiptItem::Modifier::DiscountAmount:
        return "discount-amount";
    case ReceiptItem::Modifier::SurchargeAmount:
        return "surcharge-amount";
    case ReceiptItem::Modifier::None:
        break;
    }
    return "";
}

// A comment naming the document, then the sale items, which add up to the
// amount paid.
QJsonArray items(const SaleDocument& doc, double total, const FiscalDeviceSettings& device) {
    QJsonArray list;
    list.append(QJsonObject{{"type", "comment"},
                            {"text", FiscalDocumentTitle(doc).left(qMax(1, device.commentTextMaxLength))}});
    const bool withVat = doc.firm.vatRegistered != 0 && doc.firm.vatRate > 0;
    std::vector<ReceiptLine> lines;
    for (const SaleLine& line : doc.lines)
        lines.push_back({line.name.simplified().left(qMax(1, device.itemTextMaxLength)), line.quantity,
                         withVat ? RoundHalfUp(line.price * (1 + doc.firm.vatRate / 100), 2) : line.price});
    const std::vector<ReceiptItem> sale =
        ReceiptItemsFor(lines, doc.header.discount,
                        device.TaxGroupFor(doc.firm.vatRegistered != 0, doc.firm.vatRate),
                        std::llround(RoundHalfUp(total, 2) * 100));
    for (const ReceiptItem& item : sale) {
        QJsonObject json{{"text", item.text},
                         {"quantity", static_cast<double>(item.quantity) / 1000},
                         {"unitPrice", static_cast<double>(item.unitPrice) / 100},
                         {"taxGroup", item.taxGroup}};
        if (item.modifier != ReceiptItem::Modifier::None) {
            json["priceModifierValue"] = static_cast<double>(item.modifierValue) / 100;
            json["priceModifierType"] = modifierName(item.modifier);
        }
        list.append(json);
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
                     {"items", items(doc, total, device)},
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
                     {"items", items(note, total, device)}};
    addOperator(body, device);
    return body;
}

QJsonObject CashAmountBody(double amount, const FiscalDeviceSettings& device) {
    QJsonObject body{{"amount", RoundHalfUp(amount, 2)}};
    addOperator(body, device);
    return body;
}
