#pragma once

// The wait cursor for the length of a scope. Core routines use it for their
// long runs; without a GUI application (tests, tools) it does nothing.
class Sanduhr {
public:
    Sanduhr();
    ~Sanduhr();
    Sanduhr(const Sanduhr&) = delete;
    Sanduhr& operator=(const Sanduhr&) = delete;
    // Back to the normal pointer before the scope ends: a message box must
    // not show the hourglass over its buttons.
    void aus();

private:
    bool m_gesetzt = false;
};
