#pragma once

// The wait cursor for the length of a scope. Core routines use it for their
// long runs; without a GUI application (tests, tools) it does nothing.
class Sanduhr {
public:
    Sanduhr();
    ~Sanduhr();
    Sanduhr(const Sanduhr&) = delete;
    Sanduhr& operator=(const Sanduhr&) = delete;

private:
    bool m_gesetzt = false;
};
