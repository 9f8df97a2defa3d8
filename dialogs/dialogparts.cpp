#include "dialogs/dialogparts.h"

#include "services/pixelfont.h"
#include "services/readablechildren.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>

namespace {

constexpr QColor MemoBackground{206, 206, 232};
constexpr QSize IconSize{32, 32};

QString picturePath(const char *name)
{
    return QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(name));
}

} // namespace

QFont dialogFont(int pixelSize, FontWeight weight)
{
    // Where the family is missing, Liberation Sans (Arial's metrics) comes
    // nearest to its narrow letters, and keeps the labels inside their boxes.
    QFont font = pixelFont(QStringLiteral("MS Sans Serif"), pixelSize);
    font.setBold(weight == FontWeight::Bold);
    return font;
}

QIcon dialogPicture(const char *name)
{
    return QIcon(picturePath(name));
}

QFrame *makeBevel(QWidget *parent, const char *name, const QRect &place)
{
    auto *bevel = new QFrame(parent);
    bevel->setObjectName(QLatin1String(name));
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setGeometry(place);
    hideFromScreenReaders(bevel);
    return bevel;
}

QFrame *makeBottomLine(QWidget *parent, const char *name, const QRect &place)
{
    // The named frame keeps the game's rectangle; the two-pixel sunken line
    // inside it sits on its bottom edge.
    auto *holder = new QFrame(parent);
    holder->setObjectName(QLatin1String(name));
    holder->setGeometry(place);
    auto *line = new QFrame(holder);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(0, place.height() - 2, place.width(), 2);
    hideFromScreenReaders(holder);
    return holder;
}

QLabel *makeIconImage(QWidget *parent, const char *name, const QRect &place, const QWidget *mainForm)
{
    QLabel *image = makeLabel(parent, name, place);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(mainForm->windowIcon().pixmap(IconSize));
    hideFromScreenReaders(image); // the game's icon only decorates
    return image;
}

QLabel *makePictureImage(QWidget *parent, const char *name, const QRect &place, const char *picture)
{
    QLabel *image = makeLabel(parent, name, place);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(QPixmap(picturePath(picture)));
    return image;
}

QPlainTextEdit *makeMemo(QWidget *parent, const char *name, const QRect &place, const QString &text)
{
    auto *memo = new QPlainTextEdit(text, parent);
    memo->setObjectName(QLatin1String(name));
    memo->setGeometry(place);
    memo->setFont(dialogFont(11, FontWeight::Regular));
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Base, MemoBackground);
    palette.setColor(QPalette::Text, Qt::black);
    memo->setPalette(palette);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return memo;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QRect &place, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(place);
    return label;
}
