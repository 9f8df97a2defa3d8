#pragma once
// The main window's placement in the settings store: the value "MainForm" of
// the game's section, written as WindowPlacement's text. The same scheme
// once kept the window's colour and font beside it; those values are removed
// whenever the placement is written.

#include "settings/windowplacement.h"

#include <optional>

class SettingsStore;

class PlacementSetting {
public:
    explicit PlacementSetting(SettingsStore &store) : m_store(store) {}

    /// The stored placement; nothing when none is stored or the text has
    /// another form. Throws SettingsError for a piece that is no integer
    /// and for a store that cannot be read.
    std::optional<WindowPlacement> read() const;
    /// Throws SettingsError.
    void write(const WindowPlacement &placement);

private:
    SettingsStore &m_store;
};
