#pragma once

#include <QString>
#include <functional>
#include <optional>

// The line dialog "артикул" of a delivery: the quantity and unit price of an
// item, the price typed with or without VAT.
class DeliveryLineDialog {
public:
    struct Request {
        QString code;
        QString name;
        double quantity = 1;
        double price = 0;
        bool withVat = false;       // "с вкл. ДДС" ticked at the start
        bool withVatEnabled = true; // a VAT-registered firm enters prices without VAT
        double vatRate = 0;
        // "калкулиране на ед. цена от обща стойност": the unit price of a
        // total over a quantity, VAT taken out when asked; nothing when refused.
        std::function<std::optional<double>(double total, double quantity, bool removeVat)> priceFromTotal;
    };
    struct Answer {
        double quantity = 0;
        double price = 0; // as typed, without VAT
        bool withVat = false;
    };
    virtual ~DeliveryLineDialog() = default;
    // OK hands the answer to `accept` and closes only when it agrees.
    virtual std::optional<Answer> AskLine(const Request& request,
                                          const std::function<bool(const Answer&)>& accept) = 0;
};
