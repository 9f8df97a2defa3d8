#include "services/marqueelink.h"

#include "services/marqueestrip.h"

MarqueeLink::MarqueeLink(MarqueeStrip *strip) : QAccessibleWidget(strip, QAccessible::Link) {}

QStringList MarqueeLink::actionNames() const
{
    return {pressAction()};
}

void MarqueeLink::doAction(const QString &action)
{
    if (action == pressAction())
        emit static_cast<MarqueeStrip *>(widget())->clicked();
}
