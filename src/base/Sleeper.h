#pragma once

// Pauses of the busy retry; tests count them instead of sleeping.
class Sleeper {
public:
    virtual ~Sleeper() = default;
    virtual void Sleep(int milliseconds) = 0;
};

class ThreadSleeper : public Sleeper {
public:
    void Sleep(int milliseconds) override;
};
