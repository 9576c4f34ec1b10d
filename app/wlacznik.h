#pragma once

// What a command enabler may do to its menu item: grey it and check it.
class Wlacznik {
public:
    virtual ~Wlacznik() = default;
    virtual void enable(bool wlaczony) = 0;
    virtual void check(bool zaznaczony) = 0;
};
