#pragma once
// A dialog button with a small picture to the left of its caption.

#include <QPushButton>

class PictureButton : public QPushButton {
    Q_OBJECT
public:
    /// Enter presses the button while it has the focus.
    PictureButton(const QString &caption, const QIcon &picture, QWidget *parent);

    /// Puts the picture this many pixels from the left edge and centres the
    /// caption in the room right of it; without a margin picture and caption
    /// are centred together.
    void setMargin(int pixels);
    int margin() const { return m_margin; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    static constexpr int NoMargin = -1;
    int m_margin = NoMargin;
};
