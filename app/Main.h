#pragma once
// The main window: it holds the whole game state for the run and sequences
// what each key, click and button means on screen, in sound and in dialogs.
// The rules themselves live in game/; drawing in view/; questions in dialogs/.

#include "app/qtowntexts.h"
#include "dialogs/messagebox.h"
#include "dialogs/savedgamefiles.h"
#include "game/board.h"
#include "game/levelset.h"
#include "game/progress.h"
#include "game/unsavedprogress.h"
#include "services/soundeffects.h"
#include "settings/gamesettings.h"
#include "settings/settingsstore.h"
#include "view/boardgeometry.h"
#include "view/starfield.h"
#include "view/starrandom.h"

#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

class BoardBox;
class GameKeeper;
struct GameDialogs;
class KeyboardSink;
class LinkLabel;
class MarqueeStrip;
class PlacementKeeper;
class ProgressGauge;
class QTimer;
class ToolPanel;

class TMainForm : public QWidget {
    Q_OBJECT
public:
    /// The client size the window is designed for.
    static constexpr QSize DesignSize{494, 362};
    /// The height of the scrolling strip at the bottom and of the progress bar.
    static constexpr int StripHeight = 15;

    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    /// The start-up of the window: settings, level set, saved game, first
    /// level, with the level set read from the program's own folder unless
    /// another is given. False when the game cannot start; the player has
    /// been told why.
    bool FormCreate(const QString &programFolder = QString());
    /// Hands over the dialogs, before the window is shown; each is made
    /// when the game first asks for it.
    void setDialogs(GameDialogs *dialogs);

    // ---- The game's state, for the whole run --------------------------------
    QString ProgramFolder;
    int Tongue = -1;
    std::vector<LevelRecord> LevelSet;
    int LevelCount = 0;
    int CurrentLevel = 1;
    Board board;
    GameState State = GameState::Playing;
    SolvedTable SolvedFlags;
    bool AllSolvedFlag = false;
    QString SavedGamePath;
    /// The progress not yet saved, kept for the start after a run that
    /// ended without its close.
    UnsavedProgress unsaved;
    bool FirstPaint = true;
    DrawingUnits units;
    StarRandom random; ///< the star field's generator; nothing else draws from it
    StarField stars{random};

    // ---- Controls ----------------------------------------------------------
    ToolPanel *tools = nullptr;
    BoardBox *box = nullptr;
    ProgressGauge *gsol = nullptr;
    MarqueeStrip *zxbScroll = nullptr;
    LinkLabel *ZXBLabel = nullptr; ///< never shown: it opens the homepage for the strip
    KeyboardSink *DummyMemo = nullptr;
    QTimer *Timer = nullptr;              ///< makes the stars twinkle
    SoundEffects waves;                   ///< the five clips and the way to the audio system
    PlacementKeeper *placement = nullptr; ///< where the window comes back, and its show effect
    GameKeeper *keeper = nullptr;         ///< what the next start needs, kept as it changes
    /// The load and save dialogs and their questions and messages.
    SavedGameFiles savedGames{this, Tongue, ProgramFolder, [this](QDialog *dialog) { watchDialog(dialog); }};

    // ---- What the game does --------------------------------------------------
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    void boxMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void GoToLevel(int n);
    void UpdateStatus();
    void levelboxPaint();
    void ApplyTongue();
    void SaveGame();
    void LoadGame();
    bool soundOn() const;

    /// The desktop saves its session, at a checkpoint or as it ends: what
    /// the next start needs is written, without a question, and the game
    /// goes on.
    void commitData();
    /// Leaves at once without a question, for what ends the game from
    /// outside (a signal, the session's end): everything is kept, and the
    /// program ends with status 0.
    void endSession();
    /// Whether the game has ended, by its close or from outside.
    bool ended() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void LoadBoard(int n);
    void DrawCell(int col, int row);
    void DrawHero(int col, int row);
    void drawWholeBoard();
    void boxPaint();
    void runFirstPaint();
    /// Makes the controls, at the design size.
    void makeControls();
    void ComputeLayout();
    void applyMinimumSize();
    void TimerTimer();
    void ZorbixBtnClick();
    void startMarquee();
    void carryOut(const Answer &answer);
    void MoveHero(Cell target, bool longJump);
    void LoseLevel();
    void SolveLevel();
    /// Starts the effect (SoundEffects::ShortJump ... AllSolved) while
    /// sound is on; returns at once.
    void PlayEffect(int effect);
    void showLevelInSelector(int level);
    /// Tells screen readers what the board shows now: the keyboard sink's
    /// name and the board's table; each change is told at once.
    void presentBoard();

    void RestartBtnClick();
    void NewGameBtnClick();
    void sDownBtnClick();
    void sUpBtnClick();
    void goToUnsolved(SearchDirection direction);
    void levelScrollChange(int position);
    void TongueBtnClick();
    void rules();
    void info();

    bool FormCloseQuery();
    void FormClose();
    /// The quit question, and the close steps when it is answered Yes.
    bool closeIfGranted();

    SettingsStore ini;
    /// Start-up reports a setting it cannot read as the general error
    /// handler would, and goes on with its default.
    GameSettings settings{ini, [](const SettingsError &error) { showErrorBox(nullptr, error.message()); }};
    QtOwnTexts qtTexts; ///< the file dialogs' texts, in the game's language
    void watchDialog(QDialog *dialog);

    GameDialogs *m_dialogs = nullptr;
    bool m_greeting = false; ///< the first paint's dialogs are open
};
