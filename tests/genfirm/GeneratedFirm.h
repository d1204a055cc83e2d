#pragma once

class Connection;

// A firm of ten years (2016 to 2025) written into an empty database of the
// current schema, for the reports' tests and benchmarks. At scale 1: 5,000
// items in 50 groups with recipes, 1,000 partners, 50,000 goods notes with
// about 500,000 lines and their `soldmat` rows, 25,000 invoices and notes,
// 5,000 deliveries, 2,000 production runs, stocktakings and 10,000 cash
// operations. The same seed gives the same firm. Everything is written in
// one transaction; false when a statement failed.
//
// What the reports' edge cases need is in it: credit notes with negative
// amounts (doc_type 2), debit notes, free-text lines (group 0), goods notes
// invoiced later, whole and fractional discounts, customers and suppliers
// with and without VAT, hidden items, services, dirty recipes, zero and
// negative stock, items and groups deleted after use, names with
// apostrophes. The stock of every item equals its movements.
bool GenerateFirm(Connection& db, double scale, unsigned seed = 2026);
