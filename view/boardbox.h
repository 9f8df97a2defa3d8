#pragma once
// The board area: a canvas the game draws into at any moment, shown on
// screen. Drawing a cell, the hero or a star changes the canvas at once and
// asks only for that rectangle to be shown again.

#include "game/board.h"
#include "view/boardgeometry.h"
#include "view/boardwords.h"
#include "view/starfield.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <array>
#include <functional>

inline const QColor EmptyColor(0, 0, 0);
inline const QColor TopColor(0, 255, 0);
inline const QColor SideColor(0, 128, 0);
inline const QColor HeroColor(255, 0, 0);

class BoardBox : public QWidget {
    Q_OBJECT
public:
    explicit BoardBox(QWidget *parent = nullptr);

    /// Runs when the whole area must be drawn anew: the first show, and after
    /// every change of size (the canvas is black again by then).
    void setFullRepaint(std::function<void()> fullRepaint) { m_fullRepaint = std::move(fullRepaint); }
    /// Asks for the full repaint before the area is shown next.
    void invalidateAll();

    /// Draws the platform of a cell as the board holds it, or blacks it out.
    void DrawCell(const DrawingUnits &u, const Board &board, int col, int row);
    /// Draws the hero on a cell, whatever lies under him.
    void DrawHero(const DrawingUnits &u, int col, int row);
    /// Star i of the field twinkles on the canvas.
    void TwinkleStar(StarField &stars, int i);
    /// Every star of the field twinkles, after the board is drawn anew.
    void TwinkleAll(StarField &stars);
    /// A tick of the star timer: 50 times a star picked at random twinkles.
    void twinkleTick(StarField &stars);

    const QImage &canvas() const { return m_canvas; }
    /// The drawing units the board was last drawn with.
    const DrawingUnits &drawnUnits() const { return m_pictureUnits; }

    /// What the board shows, for screen readers (see BoardTable), which are
    /// told of what changed.
    void setShown(const ShownBoard &shown);
    const ShownBoard &shown() const { return m_shown; }

signals:
    /// A mouse button went down at (x, y) of the board area.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    /// Asks for a changed rectangle to be shown; nothing while the full
    /// repaint runs, which shows the whole area anyway.
    void showChanged(const QRect &rect);
    /// A cell as DrawCell draws it, on a clear ground of its bounds.
    const QImage &cellPicture(const DrawingUnits &u, bool platform);

    QImage m_canvas;
    bool m_stale = true;
    bool m_repainting = false;
    std::function<void()> m_fullRepaint;
    DrawingUnits m_pictureUnits;
    std::array<QImage, 2> m_cellPictures; ///< blacked out, platform
    ShownBoard m_shown;
};
