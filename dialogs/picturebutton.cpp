#include "dialogs/picturebutton.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

PictureButton::PictureButton(const QString &caption, const QIcon &picture, QWidget *parent)
    : QPushButton(picture, caption, parent)
{
    setAutoDefault(true);
}

void PictureButton::setMargin(int pixels)
{
    m_margin = pixels;
    update();
}

void PictureButton::paintEvent(QPaintEvent *event)
{
    if (m_margin == NoMargin) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QSize pictureSize = iconSize();
    const QRect pictureRect(m_margin, (height() - pictureSize.height()) / 2, pictureSize.width(), pictureSize.height());
    painter.drawPixmap(pictureRect.topLeft(),
                       icon().pixmap(pictureSize, isEnabled() ? QIcon::Normal : QIcon::Disabled));
    const QRect captionRect = rect().adjusted(pictureRect.right() + 1, 0, 0, 0);
    painter.drawItemText(captionRect, Qt::AlignCenter | Qt::TextShowMnemonic, option.palette, isEnabled(), text(),
                         QPalette::ButtonText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
