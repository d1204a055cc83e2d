#pragma once

#include <array>

class Clock;
class Database;

// One year of net income and expenses by month: the goods notes' net
// values, the deliveries' net values and the production runs' cost.
struct IncomeExpenseYear {
    double maximum = 0; // the largest monthly sum; 0 when none is above 0
    double incomeTotal = 0;
    double expenseTotal = 0;
    std::array<double, 12> income{};
    std::array<double, 12> deliveries{};
    std::array<double, 12> production{};
    // The year crosses the changeover to euro: its leva amounts were given
    // in euro.
    bool converted = false;

    // True when every monthly sum is 0.
    bool Empty() const;
    // The smallest monthly sum, when below 0 (credit notes above sales).
    double Minimum() const;
};

// Reads the year; a row whose date cannot be read counts in the current
// month. False when a statement failed (reported); the record is then zero.
bool LoadIncomeExpenseYear(Database& db, const Clock& clock, int year, IncomeExpenseYear& record);
