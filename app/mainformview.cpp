// How the main window shows the game. Its controls and where they sit: the
// toolbar across the top, the scrolling strip along the bottom with the
// progress bar right above it, the board area between them, and the keyboard
// sink just right of what the player sees; only the toolbar's contents keep
// fixed places, everything else follows the window's size. Then the board's
// drawing, and its repainting when a dialog uncovers it.

#include "app/Main.h"

#include "app/keyboardsink.h"
#include "app/levelselector.h"
#include "app/toolpanel.h"
#include "services/framewatch.h"
#include "services/linklabel.h"
#include "services/marqueestrip.h"
#include "services/readablechildren.h"
#include "texts/infotexts.h"
#include "view/boardbox.h"
#include "view/progressgauge.h"

#include <QTimer>

namespace {

constexpr int FontPixels = 13;
constexpr int StarTickMs = 100;
/// The keyboard sink takes the keys out of the player's sight, this far
/// right of the client area.
constexpr int SinkGap = 5;
constexpr QRect SinkPlace(TMainForm::DesignSize.width() + SinkGap, 52, 57, 41);
/// The frame a window of the game's home platform has around its client
/// area, for the smallest size while the real frame is not known.
constexpr QSize ClassicFrame(12, 31);
constexpr QSize MinimumOuterSize(506, 360);

} // namespace

// ---- Controls and layout ----------------------------------------------------------

void TMainForm::makeControls()
{
    setObjectName(QStringLiteral("MainForm"));
    QFont font = this->font();
    font.setPixelSize(FontPixels);
    setFont(font);

    // The board area first, then the bar over its lowest strip, then the
    // scrolling strip: the order they are stacked in.
    box = new BoardBox(this);
    box->setObjectName(QStringLiteral("box"));
    box->setFullRepaint([this] { boxPaint(); });
    gsol = new ProgressGauge(this);
    gsol->setObjectName(QStringLiteral("gsol"));
    zxbScroll = new MarqueeStrip(this);
    zxbScroll->setObjectName(QStringLiteral("zxbScroll"));
    zxbScroll->setAccessibleDescription(InfoTexts::Homepage);

    ZXBLabel = new LinkLabel(QStringLiteral("ZXBLabel"), this);
    ZXBLabel->setObjectName(QStringLiteral("ZXBLabel"));
    ZXBLabel->setTarget(InfoTexts::Homepage);
    ZXBLabel->hide();
    hideFromScreenReaders(ZXBLabel);

    Timer = new QTimer(this);
    Timer->setInterval(StarTickMs);

    // The keyboard sink comes before the toolbar in the tab order, so it has
    // the focus when the window first shows.
    DummyMemo = new KeyboardSink(this);
    DummyMemo->setGeometry(SinkPlace);
    tools = new ToolPanel(this);
    setTabOrder(DummyMemo, tools->levelscroll);

    // The window manager frames the window once it is on screen; the
    // smallest size follows the real frame then.
    new FrameWatch(this, [this] { applyMinimumSize(); });
    resize(DesignSize);
}

void TMainForm::ComputeLayout()
{
    const int cw = width(), ch = height();
    units = computeUnits(cw, ch);
    gsol->setGeometry(0, ch - StripHeight - StripHeight, cw, StripHeight);
    DummyMemo->move(cw + SinkGap, DummyMemo->y());
}

void TMainForm::resizeEvent(QResizeEvent *)
{
    const int cw = width(), ch = height();
    tools->setGeometry(0, 0, cw, ToolPanel::PanelHeight);
    box->setGeometry(0, ToolPanel::PanelHeight, cw, ch - ToolPanel::PanelHeight - StripHeight);
    zxbScroll->setGeometry(0, ch - StripHeight, cw, StripHeight);
    ComputeLayout();
    stars.PlaceStars(cw, ch);
}

void TMainForm::showEvent(QShowEvent *)
{
    applyMinimumSize();
    DummyMemo->setFocus();
}

void TMainForm::applyMinimumSize()
{
    // The smallest outer size, whatever frame the window system puts round
    // the client area; until that frame is known, the frame of the game's
    // home platform stands in for it. A thin frame must not push the client
    // area past the size the game is designed for.
    QSize frame = frameSizeOf(this);
    if (frame.isEmpty())
        frame = ClassicFrame;
    setMinimumSize((MinimumOuterSize - frame).boundedTo(DesignSize));
}

// ---- The board ----------------------------------------------------------------

void TMainForm::DrawCell(int col, int row)
{
    box->DrawCell(units, board, col, row);
}

void TMainForm::DrawHero(int col, int row)
{
    box->DrawHero(units, col, row);
}

void TMainForm::drawWholeBoard()
{
    for (int col = 0; col < BoardSide; ++col)
        for (int row = 0; row < BoardSide; ++row)
            DrawCell(col, row);
    DrawHero(board.heroColumn, board.heroRow);
}

void TMainForm::boxPaint()
{
    if (FirstPaint) {
        // The greetings are modal dialogs: they run once the paint is over,
        // and the board is drawn after them.
        QTimer::singleShot(0, this, &TMainForm::runFirstPaint);
        return;
    }
    drawWholeBoard();
    // After the platforms and the hero, so a star never paints over them.
    box->TwinkleAll(stars);
    UpdateStatus(); // the level display first
}

void TMainForm::TimerTimer()
{
    box->twinkleTick(stars);
}

void TMainForm::watchDialog(QDialog *dialog)
{
    // A dialog closing over the board uncovers it, and the uncovered board
    // is painted anew, as the window system of the game's home platform
    // always did: the hero shows again on a solved level, and the progress
    // hint catches up.
    dialog->installEventFilter(this);
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide && !m_greeting)
        box->invalidateAll();
    return QWidget::eventFilter(watched, event);
}
