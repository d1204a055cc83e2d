#pragma once

// The wait cursor for as long as this object lives: a save or a load that
// may take a moment shows that the program is working.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
