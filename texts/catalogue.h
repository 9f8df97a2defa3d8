#pragma once
// Every text the game shows, in German and English. A text is picked at the
// moment it is set: German when the language code is 1, English for any
// other code (0, the undecided -1, or whatever else was stored).

#include <QString>

/// The language code: 1 German, 0 English, -1 not chosen yet.
constexpr int German = 1;
constexpr int English = 0;
constexpr int Undecided = -1;

/// One text in both languages.
struct Phrase {
    const char16_t *german;
    const char16_t *english;

    QString in(int tongue) const { return QString::fromUtf16(tongue == German ? german : english); }
};

namespace Catalogue {

// ---- The main window ----------------------------------------------------
inline constexpr Phrase LoadHint{u"Ich hol mir einen alten Spielstand.", u"I want to continue an old game."};
inline constexpr Phrase SaveHint{u"Einmal zu oft gesichert ist besser als einmal zuwenig", u"Save often, save always."};
inline constexpr Phrase NewGameHint{u"Ich fang ein neues Spiel an.", u"I want to play a new game."};
inline constexpr Phrase RestartHint{u"Ich probier's nochmal.", u"I try it again."};
inline constexpr Phrase SoundHint{u"Die Geräusche mag ich nicht immer.", u"I dont like the sound always."};
inline constexpr Phrase RulesHint{u"Worum geht's da eigentlich?", u"What's to do here?"};
inline constexpr Phrase ExitHint{u"Ich hab genug!", u"I have enough!"};
inline constexpr Phrase InfoHint{u"Wer hat diese Spiele nur verbrochen?", u"Who did these ZORBIX GAME?"};
inline constexpr Phrase NextUnsolvedHint{u"nächsthöhere ungelöste Ebene", u"Next unsolved level"};
inline constexpr Phrase PreviousUnsolvedHint{u"nächstniedere ungelöste Ebene", u"Previous unsolved level"};
inline constexpr Phrase LevelScrollHint{u"Ebene wählen", u"Select level"};
inline constexpr Phrase LevelLabel{u"Ebene:", u"Level:"};
inline constexpr Phrase Marquee{
    u"Klicke hier um die Zorbix Games Homepage zu besuchen.     Die Zorbix Games - eine Reihe von Denkspielen "
    u"für alle von 8 bis 88.     Die legendären Zorbix Games warten auf Dich.     ",
    u"Click here do visit the Zorbix Bytes Homepage.     The Zorbix Games - a series of non violent games for "
    u"everyone between 8 and 88.     The legendary Zorbix Games are waiting for you.     "};

/// The same in both languages.
inline const QString TongueHint = QStringLiteral("Language / Sprache");
inline const QString SavedGameFilter = QStringLiteral("Zorbix Hoplix-Dateien (*.zhx)");
inline const QString MainCaption = QStringLiteral("Zorbix Hoplix1.6 - Freeware");

// ---- Status displays ------------------------------------------------------
inline constexpr Phrase CaptionGameSuffix{u" - Spiel ", u" - Game "};
inline constexpr Phrase LevelWord{u"Ebene ", u"Level "};
inline constexpr Phrase Solved{u"gelöst", u"solved"};
inline constexpr Phrase Unsolved{u"ungelöst", u"unsolved"};
inline constexpr Phrase ProgressOf{u" von ", u" of "};
inline constexpr Phrase ProgressEnd{u" Ebenen gelöst", u" levels solved"};

/// "Level 12: unsolved"
QString levelHint(int tongue, int level, bool solved);
/// "3 of 200 levels solved"
QString progressHint(int tongue, int solved, int levelCount);
/// "Zorbix Hoplix1.6 - Freeware", then " - Game week1.zhx" when a saved game is in use.
QString mainCaption(int tongue, const QString &savedGameFileName);

// ---- What screen readers read --------------------------------------------
// The toolbar and its thirteen controls, named by what they do; their hints
// stay their descriptions.
inline constexpr Phrase ToolbarName{u"Werkzeugleiste", u"Toolbar"};
inline constexpr Phrase NewGameName{u"Neues Spiel", u"New game"};
inline constexpr Phrase RestartName{u"Ebene neu beginnen", u"Restart level"};
inline constexpr Phrase LoadName{u"Spiel laden", u"Load game"};
inline constexpr Phrase SaveName{u"Spiel speichern", u"Save game"};
inline constexpr Phrase SoundName{u"Ton", u"Sound"};
inline constexpr Phrase ExitName{u"Beenden", u"Quit"};
inline constexpr Phrase PreviousUnsolvedName{u"Vorige ungelöste Ebene", u"Previous unsolved level"};
inline constexpr Phrase LevelScrollName{u"Ebene", u"Level"};
inline constexpr Phrase NextUnsolvedName{u"Nächste ungelöste Ebene", u"Next unsolved level"};
inline constexpr Phrase LevelDisplayName{u"Ebenenanzeige", u"Level display"};
inline constexpr Phrase TongueName{u"Sprache", u"Language"};
inline constexpr Phrase RulesName{u"Spielregeln", u"Rules"};
inline constexpr Phrase InfoName{u"Info", u"Info"};
inline constexpr Phrase ProgressName{u"Fortschritt", u"Progress"};
inline constexpr Phrase TermsName{u"Nutzungsbedingungen", u"Terms of use"};
inline constexpr Phrase HomepageName{u"Homepage von Zorbix Bytes", u"Zorbix Bytes homepage"};
/// The pictures of the info dialog that say something.
inline constexpr Phrase MakerLogoName{u"Logo von Zorbix Bytes", u"Zorbix Bytes logo"};
inline constexpr Phrase GuildLogoName{u"Logo der Freeware Authors' Guild", u"Freeware Authors' Guild logo"};
/// The language dialog's buttons, each named in its own language.
inline const QString EnglishName = QStringLiteral("English");
inline const QString GermanName = QStringLiteral("Deutsch");

// The board, as the keyboard sink and the board's table tell it. Rows run
// from the back of the board to the front, columns from left to right, both
// counted from 1: the arrow keys move Hoplix by one row or column.
inline constexpr Phrase BoardName{u"Spielfeld", u"Board"};
inline constexpr Phrase RowHeader{u"Reihe %1", u"Row %1"};
inline constexpr Phrase ColumnHeader{u"Spalte %1", u"Column %1"};
inline constexpr Phrase PlatformCell{u"Plattform", u"platform"};
inline constexpr Phrase HeroCell{u"Hoplix auf einer Plattform", u"Hoplix on a platform"};
inline constexpr Phrase EmptyCell{u"leer", u"empty"};
/// What the keys do, read after the board's summary.
inline constexpr Phrase KeysHelp{u"Pfeiltasten: Hoplix springt eine Zelle weit, mit Umschalttaste zwei.",
                                 u"Arrow keys: Hoplix jumps one cell, with Shift two."};
/// Level, Hoplix's row and column, and the platforms left (two or more).
inline constexpr Phrase PlayingSummary{u"Ebene %1. Hoplix auf Reihe %2, Spalte %3. Noch %4 Plattformen.",
                                       u"Level %1. Hoplix on row %2, column %3. %4 platforms left."};
/// Level, row and column, when only the platform under Hoplix is left.
inline constexpr Phrase LastPlatformSummary{
    u"Ebene %1. Hoplix auf Reihe %2, Spalte %3, auf der letzten Plattform: jede Taste löst die Ebene.",
    u"Level %1. Hoplix on row %2, column %3, on the last platform: any key solves the level."};
inline constexpr Phrase LostSummary{u"Ebene %1 verloren. Hoplix auf Reihe %2, Spalte %3.",
                                    u"Level %1 lost. Hoplix on row %2, column %3."};
inline constexpr Phrase SolvedSummary{u"Ebene %1 gelöst.", u"Level %1 solved."};

// ---- Message boxes: German titles and buttons in both languages -----------
inline const QString WarningTitle = QStringLiteral("Warnung");
inline const QString ErrorTitle = QStringLiteral("Fehler");
inline const QString YesButton = QStringLiteral("&Ja");
inline const QString NoButton = QStringLiteral("&Nein");
inline const QString OkButton = QStringLiteral("OK");

inline constexpr Phrase LevelSetMissing{u"Datei ZHOP.DAT konnte nicht gefunden werden. Programm wird abgebrochen.",
                                        u"Can't find file ZHOP.DAT. Program aborted."};
/// A level set file that opens but holds no usable level.
QString levelSetTooShort(int tongue, const QString &path);
QString levelSetStartOutside(int tongue, const QString &path, int level);
/// "Error occured while loading file " + full path + "!"
QString loadFailed(int tongue, const QString &path);
/// "Game " + file name + " already existing. Overwrite?"
QString overwriteQuestion(int tongue, const QString &fileName);
/// "Cannot save game " + file name + ". Drive full or not writable."
QString saveFailed(int tongue, const QString &fileName);

// ---- The game's dialogs -----------------------------------------------------
inline const QString DialogCaption = QStringLiteral("Zorbix Hoplix");
inline constexpr Phrase Yes{u"Ja", u"Yes"};
inline constexpr Phrase No{u"Nein", u"No"};
inline const QString Ok = QStringLiteral("OK");

inline constexpr Phrase LostLevelQuestion{u"Leider nein!\rStufe wiederholen?", u"That was it!\rRepeat level?"};
inline constexpr Phrase NextLevelQuestion{u"Hurra, geschafft!\rNächste Stufe?", u"Hurrah, you made it!\rNext level?"};
inline constexpr Phrase AllLevelsNotice{u"Gratulation, Du hast alle Stufen gelöst!",
                                        u"Congratulation, you solved all levels!"};
inline constexpr Phrase GiveUpQuestion{u"Willst Du diese Ebene wirklich neu beginnen?",
                                       u"Do you really want to restart this level?"};
inline constexpr Phrase RestartQuestion{u"Willst Du das Spiel wirklich von vorne beginnen?",
                                        u"Do you really want to start at the beginning?"};
inline constexpr Phrase EndGameQuestion{u"Willst Du wirklich schon aufhören?", u"Do you really want to go?"};

// ---- Rules, info and language dialogs ---------------------------------------
inline const QString FreewareCaption = QStringLiteral("Zorbix Bytes - Freeware-Info");
inline const QString EmailLabel = QStringLiteral("E-Mail:");
inline const QString HomepageLabel = QStringLiteral("Homepage:");
inline const QString TongueCaption = QStringLiteral("Zorbix Hoplix1.6");
inline const QString SpeakEnglish = QStringLiteral("I speak english.");
inline const QString SpeakGerman = QStringLiteral("Ich spreche deutsch.");

} // namespace Catalogue
