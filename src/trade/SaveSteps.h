#pragma once

#include "db/WriteTransaction.h"

#include <functional>
#include <vector>

// The statement groups of one document's save, run in order inside the
// change they are given. The kind's own groups write a new document; the
// groups appended after them (the cash register's operation, the fiscal
// receipt) run for a new document and for a stored one written again. A
// group that returns false stops the save, and the change then rolls back
// everything written.
template <typename Context> class SaveSteps {
public:
    using Step = std::function<bool(WriteTransaction&, Context&)>;

    void Own(Step step) { m_own.push_back(std::move(step)); }
    void Append(Step step) { m_appended.push_back(std::move(step)); }

    bool RunNew(WriteTransaction& t, Context& c) const { return Run(m_own, t, c) && Run(m_appended, t, c); }
    bool RunStored(WriteTransaction& t, Context& c) const { return Run(m_appended, t, c); }

private:
    static bool Run(const std::vector<Step>& steps, WriteTransaction& t, Context& c) {
        for (const Step& step : steps)
            if (!step(t, c) || !t.Active())
                return false;
        return true;
    }

    std::vector<Step> m_own;
    std::vector<Step> m_appended;
};
