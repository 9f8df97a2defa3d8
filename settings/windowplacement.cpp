#include "settings/windowplacement.h"

#include "settings/settingserror.h"
#include "settings/settingsstore.h"

#include <QStringList>

#include <cstdlib>

WindowPlacement WindowPlacement::ofFrame(const QRect &frame, int showState, int flags)
{
    return {flags, showState, frame.x(), frame.y(), frame.x() + frame.width(), frame.y() + frame.height()};
}

QString WindowPlacement::text() const
{
    QStringList numbers;
    for (int n : {FormatMark, flags, showState, left, top, right, bottom})
        numbers << QString::number(n);
    return numbers.join(u',');
}

std::optional<WindowPlacement> WindowPlacement::parse(const QString &text)
{
    // Every comma separates, so a piece may be empty; an empty text after
    // the last comma is no piece.
    QStringList pieces = text.split(u',');
    if (pieces.last().isEmpty())
        pieces.removeLast();
    if (pieces.size() != 7 || pieces.first() != QString::number(FormatMark))
        return std::nullopt;

    int numbers[6];
    for (int i = 0; i < 6; ++i) {
        const std::optional<qint32> number = SettingsStore::parseInteger(pieces[i + 1]);
        if (!number)
            throw SettingsError(QStringLiteral("'%1' is not a valid integer value").arg(pieces[i + 1]));
        numbers[i] = *number;
    }
    // Edges a million pixels away lie beyond any desktop: such a text is of
    // another form, and the window is centred. Within that range the frame's
    // width and height, and the clamping, never leave the integers.
    for (int i = 2; i < 6; ++i)
        if (std::abs(qint64(numbers[i])) > FarthestEdge)
            return std::nullopt;
    return WindowPlacement{numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], numbers[5]};
}

void WindowPlacement::clampTo(const QRect &desktop)
{
    // The desktop's far edges are measured from its own corner: with a
    // screen left of or above the primary one, its left or top is negative.
    const int desktopRight = desktop.x() + desktop.width();
    const int desktopBottom = desktop.y() + desktop.height();
    const auto width = [this] { return std::abs(right - left); };
    const auto height = [this] { return std::abs(bottom - top); };
    if (desktopRight < right) {
        left = desktopRight - width();
        right = desktopRight;
    }
    if (desktopBottom < bottom) {
        top = desktopBottom - height();
        bottom = desktopBottom;
    }
    if (left < desktop.x()) {
        right = desktop.x() + width();
        left = desktop.x();
    }
    if (top < desktop.y()) {
        bottom = desktop.y() + height();
        top = desktop.y();
    }
}
