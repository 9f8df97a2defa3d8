#include "app/Main.h"

#include "app/gamekeeper.h"
#include "app/keyboardsink.h"
#include "app/levelselector.h"
#include "app/toolpanel.h"
#include "dialogs/gamedialogs.h"
#include "dialogs/messagebox.h"
#include "dialogs/modalresult.h"
#include "game/savedgame.h"
#include "services/hint.h"
#include "services/linklabel.h"
#include "services/marqueestrip.h"
#include "services/placementkeeper.h"
#include "settings/settingserror.h"
#include "texts/catalogue.h"
#include "view/boardbox.h"
#include "view/boardwords.h"
#include "view/levelbox.h"
#include "view/progressgauge.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include <utility>

TMainForm::TMainForm(QWidget *parent) : QWidget(parent)
{
    makeControls();
    // What each input means.
    connect(DummyMemo, &KeyboardSink::keyDown, this, &TMainForm::FormKeyDown);
    connect(box, &BoardBox::mouseDown, this, &TMainForm::boxMouseDown);
    connect(zxbScroll, &MarqueeStrip::clicked, this, &TMainForm::ZorbixBtnClick);
    connect(Timer, &QTimer::timeout, this, &TMainForm::TimerTimer);
    connect(tools->NewGameBtn, &QToolButton::clicked, this, &TMainForm::NewGameBtnClick);
    connect(tools->RestartBtn, &QToolButton::clicked, this, &TMainForm::RestartBtnClick);
    connect(tools->LoadBtn, &QToolButton::clicked, this, &TMainForm::LoadGame);
    connect(tools->SaveBtn, &QToolButton::clicked, this, &TMainForm::SaveGame);
    connect(tools->ExitBtn, &QToolButton::clicked, this, &TMainForm::close);
    connect(tools->sDownBtn, &QToolButton::clicked, this, &TMainForm::sDownBtnClick);
    connect(tools->sUpBtn, &QToolButton::clicked, this, &TMainForm::sUpBtnClick);
    connect(tools->levelscroll, &QScrollBar::valueChanged, this, &TMainForm::levelScrollChange);
    connect(tools->TongueBtn, &QToolButton::clicked, this, &TMainForm::TongueBtnClick);
    connect(tools->RulesBtn, &QToolButton::clicked, this, &TMainForm::rules);
    connect(tools->InfoBtn, &QToolButton::clicked, this, &TMainForm::info);
    placement = new PlacementKeeper(this, ini);
    keeper = new GameKeeper(
        settings, unsaved, placement, SolvedFlags,
        [this] {
            return GameSettings::Values{soundOn(), CurrentLevel, Tongue, SavedGamePath};
        },
        this);
}

TMainForm::~TMainForm()
{
    // The placement is kept as the window goes, before the window's own
    // last step. A store that cannot be written has already been reported
    // when the settings were written at close; the game has ended, and the
    // player is not told twice.
    try {
        placement->save();
    } catch (const SettingsError &) {
    }
    Timer->stop();
}

void TMainForm::setDialogs(GameDialogs *dialogs)
{
    m_dialogs = dialogs;
    dialogs->whenMade = [this](QDialog *dialog) { watchDialog(dialog); };
}

// ---- Start-up ---------------------------------------------------------------

bool TMainForm::FormCreate(const QString &programFolder)
{
    FirstPaint = true;
    ProgramFolder =
        (programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder) + QLatin1Char('/');
    random.seedFromClock();

    Tongue = settings.tongue();

    const QString levelFile = ProgramFolder + QStringLiteral("zhop.dat");
    LevelSetReadResult read = readLevelSet(levelFile);
    switch (read.error) {
    case LevelSetError::None: break;
    case LevelSetError::CannotOpen: showErrorBox(nullptr, Catalogue::LevelSetMissing.in(Tongue)); return false;
    case LevelSetError::TooShort: showErrorBox(nullptr, Catalogue::levelSetTooShort(Tongue, levelFile)); return false;
    case LevelSetError::StartOutside:
        showErrorBox(nullptr, Catalogue::levelSetStartOutside(Tongue, levelFile, read.badLevel));
        return false;
    }
    LevelSet = std::move(read.levels);
    LevelCount = int(LevelSet.size());

    tools->levelscroll->setRange(1, LevelCount);
    gsol->setMaximum(LevelCount);

    CurrentLevel = settings.level(LevelCount);
    tools->levelscroll->setValue(CurrentLevel);

    SavedGamePath = settings.savedGame();
    const AutoLoadResult saved = readSavedGameAtStart(SavedGamePath);
    if (saved.status == AutoLoadStatus::Unreadable) {
        showErrorBox(nullptr, Catalogue::loadFailed(Tongue, SavedGamePath));
        return false;
    }
    SolvedFlags = saved.table;
    // A run that ended without its close may have left progress not saved:
    // it takes the saved game's place, which the caption still names.
    unsaved.setSaved(SolvedFlags);
    QString problem;
    if (const std::optional<SolvedTable> kept = unsaved.take(&problem))
        SolvedFlags = *kept;
    else if (!problem.isEmpty())
        qWarning("Zorbix Hoplix: %s", qUtf8Printable(problem));
    AllSolvedFlag = allFlagged(SolvedFlags, LevelCount);

    tools->SoundBtn->setChecked(settings.sound());
    keeper->start();

    setAutoFillBackground(true);
    setPalette(QPalette(Qt::black));

    LoadBoard(CurrentLevel);
    ApplyTongue();
    Timer->start();
    startMarquee(); // the very last step
    return true;
}

void TMainForm::startMarquee()
{
    // Without a timer the strip keeps its first frame; the player is told as
    // the general error handler tells every such failure, and the game goes on.
    try {
        zxbScroll->start();
    } catch (const MarqueeError &error) {
        showErrorBox(nullptr, error.message());
    }
}

void TMainForm::runFirstPaint()
{
    if (!FirstPaint)
        return;
    showLevelInSelector(CurrentLevel);
    FirstPaint = false;
    m_greeting = true;
    if (Tongue == Undecided) {
        m_dialogs->tongue->exec();
        ApplyTongue();
    }
    m_dialogs->freeware->exec();
    m_greeting = false;
    box->invalidateAll();
}

// ---- Playing ------------------------------------------------------------------

void TMainForm::keyPressEvent(QKeyEvent *event)
{
    FormKeyDown(event->key(), event->modifiers());
}

void TMainForm::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    if (State == GameState::Playing)
        carryOut(interpretKey(board, arrowOfKey(key), shift.testFlag(Qt::ShiftModifier)));
}

void TMainForm::boxMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    // Any button, with or without Shift: only the place counts.
    if (State == GameState::Playing)
        carryOut(interpretClick(board, CellAtPoint(units, x, y)));
}

void TMainForm::carryOut(const Answer &answer)
{
    switch (answer.kind) {
    case Answer::Nothing: break;
    case Answer::Jump: MoveHero(answer.target, answer.longJump); break;
    case Answer::Lose: LoseLevel(); break;
    case Answer::Solve: SolveLevel(); break;
    }
}

void TMainForm::MoveHero(Cell target, bool longJump)
{
    PlayEffect(longJump ? SoundEffects::LongJump : SoundEffects::ShortJump);
    const Cell left = applyJump(board, target);
    DrawCell(left.column, left.row);
    DrawHero(target.column, target.row);
    presentBoard();
}

void TMainForm::LoseLevel()
{
    State = GameState::Lost;
    presentBoard();
    PlayEffect(SoundEffects::Lost);
    if (m_dialogs->lostLevel->exec() == ModalResult::Yes)
        GoToLevel(CurrentLevel);
}

void TMainForm::SolveLevel()
{
    board.clear(board.heroColumn, board.heroRow);
    DrawCell(board.heroColumn, board.heroRow);
    SolvedFlags[CurrentLevel] = 1;
    State = GameState::Solved;
    presentBoard();
    levelboxPaint();
    const int solved = progressCount(SolvedFlags, LevelCount);
    gsol->setPosition(solved);
    if (solved < LevelCount || AllSolvedFlag) {
        PlayEffect(SoundEffects::LevelSolved);
        if (m_dialogs->nextLevel->exec() == ModalResult::Yes && CurrentLevel < LevelCount) {
            GoToLevel(CurrentLevel + 1);
            showLevelInSelector(CurrentLevel);
            UpdateStatus();
        }
    } else {
        PlayEffect(SoundEffects::AllSolved);
        m_dialogs->allLevels->exec();
        AllSolvedFlag = true;
    }
}

void TMainForm::PlayEffect(int effect)
{
    if (soundOn())
        waves.play(effect);
}

bool TMainForm::soundOn() const
{
    return tools->SoundBtn->isChecked();
}

// ---- Levels -------------------------------------------------------------------

void TMainForm::LoadBoard(int n)
{
    board = loadBoard(LevelSet[n - 1]);
}

void TMainForm::GoToLevel(int n)
{
    CurrentLevel = n;
    LoadBoard(n);
    drawWholeBoard();
    State = GameState::Playing;
    UpdateStatus();
    presentBoard();
}

void TMainForm::showLevelInSelector(int level)
{
    // Moving the selector raises its change event, which loads the same
    // level once more; setting the position it already has raises none.
    tools->levelscroll->setValue(level);
}

void TMainForm::RestartBtnClick()
{
    if (State == GameState::Playing && m_dialogs->giveUp->exec() == ModalResult::Cancel)
        return;
    GoToLevel(CurrentLevel);
}

void TMainForm::NewGameBtnClick()
{
    // Asked in every state: a player who has just lost or solved a level
    // expects the button to start the new game too.
    if (m_dialogs->restart->exec() == ModalResult::Cancel)
        return;
    CurrentLevel = 1;
    showLevelInSelector(1);
    clearProgress(SolvedFlags, LevelCount);
    GoToLevel(1);
    UpdateStatus();
}

void TMainForm::sDownBtnClick()
{
    goToUnsolved(SearchDirection::Previous);
}

void TMainForm::sUpBtnClick()
{
    goToUnsolved(SearchDirection::Next);
}

void TMainForm::goToUnsolved(SearchDirection direction)
{
    const std::optional<int> level = findUnsolved(SolvedFlags, LevelCount, CurrentLevel, direction);
    if (!level)
        return;
    GoToLevel(*level);
    showLevelInSelector(*level);
    UpdateStatus();
}

void TMainForm::levelScrollChange(int position)
{
    GoToLevel(position);
    UpdateStatus();
    DummyMemo->setFocus();
}

// ---- Status and language --------------------------------------------------------

void TMainForm::levelboxPaint()
{
    const bool solved = SolvedFlags.isSolved(CurrentLevel);
    tools->levelbox->showLevel(CurrentLevel, solved);
    setHint(tools->levelbox, Catalogue::levelHint(Tongue, CurrentLevel, solved));
}

void TMainForm::UpdateStatus()
{
    const QString name = SavedGamePath.isEmpty() ? QString() : QFileInfo(SavedGamePath).fileName();
    levelboxPaint();
    setWindowTitle(Catalogue::mainCaption(Tongue, name));
    const int solved = progressCount(SolvedFlags, LevelCount);
    gsol->setMaximum(LevelCount);
    gsol->setPosition(solved);
    setHint(gsol, Catalogue::progressHint(Tongue, solved, LevelCount));
}

void TMainForm::ApplyTongue()
{
    qtTexts.apply(Tongue);
    tools->setTexts(Tongue);
    zxbScroll->setText(Catalogue::Marquee.in(Tongue));
    zxbScroll->setAccessibleName(Catalogue::HomepageName.in(Tongue));
    gsol->setAccessibleName(Catalogue::ProgressName.in(Tongue));
    DummyMemo->setAccessibleDescription(Catalogue::KeysHelp.in(Tongue));
    UpdateStatus();
    presentBoard();
}

void TMainForm::presentBoard()
{
    const ShownBoard shown{board, State, CurrentLevel, Tongue};
    box->setShown(shown);
    DummyMemo->setAccessibleName(boardSummary(shown));
}

void TMainForm::TongueBtnClick()
{
    m_dialogs->tongue->exec();
    ApplyTongue();
}

void TMainForm::ZorbixBtnClick()
{
    ZXBLabel->FollowLink();
}

void TMainForm::rules()
{
    m_dialogs->hint->exec();
}

void TMainForm::info()
{
    m_dialogs->freeware->exec();
}

// ---- Saved games ------------------------------------------------------------------

void TMainForm::SaveGame()
{
    const SavedGameFiles::Outcome outcome = savedGames.save(SavedGamePath, SolvedFlags);
    if (outcome == SavedGameFiles::Cancelled)
        return;
    if (outcome == SavedGameFiles::Done)
        unsaved.setSaved(SolvedFlags);
    UpdateStatus();
    keeper->keepChanges();
}

void TMainForm::LoadGame()
{
    const SavedGameFiles::Outcome outcome = savedGames.load(SavedGamePath, SolvedFlags);
    if (outcome == SavedGameFiles::Cancelled)
        return;
    if (outcome == SavedGameFiles::Done)
        unsaved.setSaved(SolvedFlags);
    UpdateStatus();
    keeper->keepChanges();
}

// ---- Closing ----------------------------------------------------------------------

void TMainForm::closeEvent(QCloseEvent *event)
{
    // Once the game has ended the window just goes. A second request while
    // the shutdown dialogs are open never comes here: Qt sends no close
    // event to a window that is closing.
    if (ended()) {
        event->accept();
        return;
    }
    if (!closeIfGranted()) {
        event->ignore();
        return;
    }
    event->accept();
}

bool TMainForm::closeIfGranted()
{
    if (!FormCloseQuery())
        return false;
    FormClose();
    return true;
}

bool TMainForm::FormCloseQuery()
{
    return m_dialogs->endGame->exec() == ModalResult::Yes;
}

void TMainForm::FormClose()
{
    Timer->stop();
    SaveGame();
    // Saved or not, the progress is now as the player chose.
    keeper->progressChosen();
    m_dialogs->freeware->exec();
    if (const std::optional<SettingsError> failure = keeper->closeWrites())
        showErrorBox(this, failure->message());
}

void TMainForm::commitData()
{
    keeper->keepAll();
}

void TMainForm::endSession()
{
    Timer->stop();
    keeper->end();
    // Every event loop ends, the dialogs' too, and no dialog opens any more;
    // the placement is kept as the window goes.
    QCoreApplication::exit(0);
}

bool TMainForm::ended() const
{
    return keeper->ended();
}
