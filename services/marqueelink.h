#pragma once
// The scrolling strip as a screen reader reads it: a link to the maker's
// homepage, which a screen reader can follow as a click on the strip does.
// Its name is set with the language; the line that scrolls is not read.

#include <QAccessibleWidget>

class MarqueeStrip;

class MarqueeLink : public QAccessibleWidget {
public:
    explicit MarqueeLink(MarqueeStrip *strip);

    QStringList actionNames() const override;
    void doAction(const QString &action) override;
};
