#pragma once

#include <QDate>
#include <vector>

class Clock;

// What "филтър - приходи и разходи" lets through: a period (both days
// inclusive), paid or unpaid operations, income or expense, cash or bank,
// and the ticked partners (none ticked: every partner).
struct CashFilter {
    enum Show { AllOperations = 0, PaidOnly = 1, UnpaidOnly = 2 };
    enum Type { IncomeAndExpense = 0, IncomeOnly = 1, ExpenseOnly = 2 };
    enum Method { AnyMethod = 0, CashOnly = 1, BankOnly = 2 };

    QDate from;
    QDate to;
    int show = AllOperations;
    int type = IncomeAndExpense;
    int method = AnyMethod;
    std::vector<int> partners;

    // The last seven days up to today.
    static CashFilter Defaults(const Clock& clock);
};
