#pragma once
// A dialog made the first time the game asks for it and kept for the rest
// of the run.

#include <functional>

/// One dialog, made when it is first asked for. Nothing a dialog shows
/// depends on when it was made: every showing sets its texts in the language
/// of the moment and places it, and from its first showing on it keeps the
/// focus (and the rules dialog its place) where the player left them, as a
/// dialog made with the main window does. Made at the start, the larger ones
/// would hold up the main window's first showing.
template <typename Dialog>
class LazyDialog {
public:
    explicit LazyDialog(std::function<Dialog *()> make) : m_make(std::move(make)) {}
    LazyDialog(const LazyDialog &) = delete;
    LazyDialog &operator=(const LazyDialog &) = delete;

    Dialog *get()
    {
        if (!m_dialog)
            m_dialog = m_make();
        return m_dialog;
    }
    Dialog *operator->() { return get(); }
    operator Dialog *() { return get(); }

private:
    std::function<Dialog *()> m_make;
    Dialog *m_dialog = nullptr;
};
