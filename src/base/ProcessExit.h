#pragma once

// The one way the program ends itself outside the normal close of the main
// window (a refused database, a second copy). Tests record the status instead.
class ProcessExit {
public:
    virtual ~ProcessExit() = default;
    virtual void Exit(int status) = 0;
};

class SystemProcessExit : public ProcessExit {
public:
    [[noreturn]] void Exit(int status) override;
};
