#include "app/gameaccessibility.h"

#include "app/Main.h"
#include "app/keyboardsink.h"
#include "app/toolpanel.h"
#include "dialogs/zorbixdialog.h"
#include "services/marqueelink.h"
#include "services/marqueestrip.h"
#include "services/readablechildren.h"
#include "view/boardbox.h"
#include "view/boardtable.h"
#include "view/levelbox.h"
#include "view/progressgauge.h"
#include "view/progressgaugevalue.h"

#include <QAccessibleWidget>

namespace {

/// The keyboard sink holds the focus during play and speaks for the board:
/// its name is what the board says (TMainForm::presentBoard). Out of sight,
/// it is no text box for a screen reader, with no text and no scroll bars.
class SinkAccessible : public QAccessibleWidget {
public:
    explicit SinkAccessible(KeyboardSink *sink) : QAccessibleWidget(sink, QAccessible::Canvas) {}
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
};

} // namespace

QAccessibleInterface *gameAccessible(const QString &, QObject *object)
{
    if (auto *sink = qobject_cast<KeyboardSink *>(object))
        return new SinkAccessible(sink);
    if (auto *box = qobject_cast<BoardBox *>(object))
        return new BoardTable(box);
    if (auto *gauge = qobject_cast<ProgressGauge *>(object))
        return new ProgressGaugeValue(gauge);
    if (auto *strip = qobject_cast<MarqueeStrip *>(object))
        return new MarqueeLink(strip);
    if (auto *levelbox = qobject_cast<LevelBox *>(object))
        return new QAccessibleWidget(levelbox, QAccessible::StaticText);
    if (auto *panel = qobject_cast<ToolPanel *>(object))
        return new ReadableChildren(panel, QAccessible::ToolBar);
    if (auto *form = qobject_cast<TMainForm *>(object))
        return new ReadableChildren(form, QAccessible::Window);
    if (auto *dialog = qobject_cast<TZorbixDialog *>(object))
        return new ReadableChildren(dialog, QAccessible::Dialog);
    return nullptr;
}
