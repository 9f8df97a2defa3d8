#pragma once
// The level display in the toolbar: the level number in three LED digits,
// then a face that smiles when the level is solved and frowns while it is not.

#include <QImage>
#include <QWidget>

/// The 57 x 20 picture of the display for level 1..200, copied from the glyph
/// strip: leading zeros as dark digits, the units digit always lit.
QImage levelDisplayImage(const QImage &glyphStrip, int level, bool solved);

class LevelBox : public QWidget {
    Q_OBJECT
public:
    explicit LevelBox(QWidget *parent = nullptr);

    /// Shows this level in this state; the picture is made at once.
    void showLevel(int level, bool solved);
    const QImage &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_glyphStrip;
    QImage m_picture;
};
