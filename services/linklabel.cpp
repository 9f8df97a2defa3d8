#include "services/linklabel.h"

#include <QDesktopServices>
#include <QMouseEvent>

namespace {

constexpr QColor Unvisited{0, 0, 255};
constexpr QColor Visited{128, 0, 128};

void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

LinkLabel::LinkLabel(const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
    , m_opener([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    setTextFormat(Qt::PlainText);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setTextColour(this, Unvisited);
    setCursor(Qt::PointingHandCursor);
}

QString LinkLabel::resolvedTarget() const
{
    const QString target = m_target.trimmed();
    if (!target.isEmpty())
        return target;
    if (text().contains(QLatin1Char('@')))
        return QStringLiteral("mailto:") + text();
    return text();
}

void LinkLabel::FollowLink()
{
    if (!m_linkOn)
        return;
    markVisited();
    openTarget();
}

void LinkLabel::markVisited()
{
    ++m_visits;
    setTextColour(this, Visited);
}

void LinkLabel::openTarget()
{
    if (m_opener(QUrl(resolvedTarget())))
        return;
    // No browser or mail program takes it: stay quiet and stop trying.
    m_linkOn = false;
    setEnabled(false);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_linkOn) {
        QLabel::mousePressEvent(event);
        return;
    }
    // The colour changes at the press and stays after the release.
    m_pressed = true;
    markVisited();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    // A press that is dragged off the label before release is no click.
    if (rect().contains(event->position().toPoint()) && m_linkOn)
        openTarget();
}
