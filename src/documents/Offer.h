#pragma once

#include <QDate>
#include <QString>
#include <vector>

// One line of an offer: quantity and unit price with 2 decimals.
struct OfferLine {
    int id = 0; // the stored `rec_id`, or the form's counter for a new line
    QString name;
    QString units;
    double quantity = 0;
    double price = 0;
    QString code; // the catalogue item of a line added in this session; not stored

    // "общо": quantity × price, rounded to 2 decimals.
    double Value() const;
};

// An offer as `offers` and `offers_cmp` keep it.
struct Offer {
    int number = 0;
    QDate date;
    QString toPerson; // "на вниманието на"
    QString subtitle; // "оферта за"
    QString note;
    QString validity;
    QString signedBy;
    bool vatUsed = false;
    double discount = 0; // per cent, 0 to 100
    std::vector<OfferLine> lines;
};

struct OfferTotals {
    double sum = 0;
    double discount = 0;
    double vat = 0;
    double total = 0;
};

// The totals of the form, each rounded half up as it is shown.
OfferTotals ComputeOfferTotals(const Offer& offer, double vatRate);

// "- TO %.f%%:" for a whole per cent; a fraction prints with its decimals.
QString OfferDiscountLabel(double percent);
