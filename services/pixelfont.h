#pragma once
// The game's fonts by family name and size in pixels, with the fallback a
// machine without the family needs.

#include <QFont>
#include <QString>

/// The family where it exists, else Liberation Sans (Arial's metrics), else
/// Arial, else the platform's sans-serif; the size in pixels, never scaled
/// with the screen's resolution.
QFont pixelFont(const QString &family, int pixelSize);
