#pragma once
// A last word before exit(): Qt's X11 backend calls exit(1) when the X server
// goes away, and so does libICE's default handler when the session manager
// does, with no close and no destructor on the way. While an ExitHook lives,
// its callback runs if the program ends by exit() (from main()'s return it
// does not: the hook is gone by then). Only one may live at a time.

#include <functional>

class ExitHook {
public:
    explicit ExitHook(std::function<void()> atExit);
    ~ExitHook();
    ExitHook(const ExitHook &) = delete;
    ExitHook &operator=(const ExitHook &) = delete;
};
