#pragma once

#include "format/Currency.h"
#include "print/ListPrintJob.h"

#include <QDate>
#include <memory>

// The printed stock report "СПРАВКА ЗА НАЛИЧНИТЕ СТОКИ, МАТЕРИАЛИ И ИЗДЕЛИЯ":
// "#" and the report's columns for the rows given (in list order), "към
// дата: %s", and the "ВСИЧКО:" row with the cost value and the sums of the
// two price columns.
std::unique_ptr<ListPrintJob> StockReportPrint(const std::vector<QStringList>& rows, double costValue,
                                               double value1, double value2, const QDate& today,
                                               PrinterSettings::Orientation orientation,
                                               std::function<bool()> economyMode);

// A report by months of one year: its title, "за %d година", the first
// column's title and "мес. 01" … "мес. 12", "всичко"; the rows (name and the
// thirteen figures) and "ВСИЧКО:  " with the month sums; 55 rows a landscape
// page, 54 a portrait one.
std::unique_ptr<ListPrintJob> MonthGridPrint(const QString& title, const QString& firstColumn, int year,
                                             const std::vector<QStringList>& rows, const QStringList& bottom,
                                             PrinterSettings::Orientation orientation,
                                             std::function<bool()> economyMode);

// Turnover by customer: "за периода: %s - %s", the customer, net and gross
// columns, and "ВСИЧКО ЛВ.: " (in euro "ВСИЧКО EUR: ") with both sums.
std::unique_ptr<ListPrintJob> TurnoverByCustomerPrint(const std::vector<QStringList>& rows, const QDate& from,
                                                      const QDate& to, const QString& net,
                                                      const QString& gross, Currency currency,
                                                      PrinterSettings::Orientation orientation,
                                                      std::function<bool()> economyMode);

// The sales report: "СПРАВКА ЗА РЕАЛИЗИРАНИТЕ ПРОДАЖБИ ПО АРТИКУЛИ И " with the
// source, "от %s до %s", ten of its columns from the rows given (all sixteen
// cells), and "ТОТАЛ:" with the values, VAT and totals.
std::unique_ptr<ListPrintJob> SalesReportPrint(const std::vector<QStringList>& rows, bool invoices,
                                               const QDate& from, const QDate& to, const QString& value,
                                               const QString& vat, const QString& total,
                                               PrinterSettings::Orientation orientation,
                                               std::function<bool()> economyMode);

// The stock movement report: "ОБОБЩЕНА СПРАВКА ЗА ДВИЖЕНИЕТО НА СТОКИ,
// МАТЕРИАЛИ, ИЗДЕЛИЯ И УСЛУГИ", "от %s до %s", the name, unit and the seven
// quantity columns of the rows given (all eleven cells).
std::unique_ptr<ListPrintJob> StockMovementPrint(const std::vector<QStringList>& rows, const QDate& from,
                                                 const QDate& to, PrinterSettings::Orientation orientation,
                                                 std::function<bool()> economyMode);

// The delivery report: "СПРАВКА ЗА ИЗВЪРШЕНИТЕ ДОСТАВКИ", "от %s до %s", the
// date, document, name, unit, quantity, price, value and total of the rows
// given (all fourteen cells), and "ВСИЧКО:" with the value and the total.
std::unique_ptr<ListPrintJob> DeliveriesReportPrint(const std::vector<QStringList>& rows, const QDate& from,
                                                    const QDate& to, double value, double total,
                                                    PrinterSettings::Orientation orientation,
                                                    std::function<bool()> economyMode);
// The production report: "СПРАВКА ЗА ПРОИЗВЕДЕНИТЕ ИЗДЕЛИЯ", "от %s до %s",
// "--  %d/%d --" on the later pages, eight of its ten columns.
std::unique_ptr<ListPrintJob> ProducedItemsPrint(const std::vector<QStringList>& rows, const QDate& from,
                                                 const QDate& to, PrinterSettings::Orientation orientation,
                                                 std::function<bool()> economyMode);
// The materials report: "СПРАВКА ЗА ВЛОЖЕНИТЕ МАТЕРИАЛИ И КОНСУМАТИВИ",
// "от  %s до %s", seven of its eight columns and "всичко лв:" (in euro
// "всичко EUR:") with the cost.
std::unique_ptr<ListPrintJob> MaterialsReportPrint(const std::vector<QStringList>& rows, const QDate& from,
                                                   const QDate& to, double cost, Currency currency,
                                                   PrinterSettings::Orientation orientation,
                                                   std::function<bool()> economyMode);
