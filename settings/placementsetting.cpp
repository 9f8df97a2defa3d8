#include "settings/placementsetting.h"

#include "settings/gamesettings.h"
#include "settings/settingsstore.h"

namespace {
const QString Key = QStringLiteral("MainForm");
}

std::optional<WindowPlacement> PlacementSetting::read() const
{
    return WindowPlacement::parse(m_store.ReadString(GameSettings::Section, Key, QString()));
}

void PlacementSetting::write(const WindowPlacement &placement)
{
    m_store.WriteString(GameSettings::Section, Key, placement.text());
    m_store.DeleteValue(GameSettings::Section, Key + QStringLiteral("Color"));
    m_store.DeleteValue(GameSettings::Section, Key + QStringLiteral("Font"));
}
