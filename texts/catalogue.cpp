#include "texts/catalogue.h"

namespace Catalogue {

QString levelHint(int tongue, int level, bool solved)
{
    return LevelWord.in(tongue) + QString::number(level) + QStringLiteral(": ")
           + (solved ? Solved : Unsolved).in(tongue);
}

QString progressHint(int tongue, int solved, int levelCount)
{
    return QString::number(solved) + ProgressOf.in(tongue) + QString::number(levelCount) + ProgressEnd.in(tongue);
}

QString mainCaption(int tongue, const QString &savedGameFileName)
{
    if (savedGameFileName.isEmpty())
        return MainCaption;
    return MainCaption + CaptionGameSuffix.in(tongue) + savedGameFileName;
}

QString levelSetTooShort(int tongue, const QString &path)
{
    return tongue == German
               ? QStringLiteral("Die Datei %1 enthält keine ganze Ebene. Programm wird abgebrochen.").arg(path)
               : QStringLiteral("File %1 holds no whole level. Program aborted.").arg(path);
}

QString levelSetStartOutside(int tongue, const QString &path, int level)
{
    return tongue == German
               ? QStringLiteral("In der Datei %1 beginnt Ebene %2 außerhalb des Spielfelds. Programm wird abgebrochen.")
                     .arg(path)
                     .arg(level)
               : QStringLiteral("In file %1 level %2 starts outside the board. Program aborted.").arg(path).arg(level);
}

QString loadFailed(int tongue, const QString &path)
{
    return (tongue == German ? QStringLiteral("Fehler beim Laden des Spiels ")
                             : QStringLiteral("Error occured while loading file "))
           + path + QStringLiteral("!");
}

QString overwriteQuestion(int tongue, const QString &fileName)
{
    return tongue == German ? QStringLiteral("Spiel ") + fileName + QStringLiteral(" existiert bereits. Überschreiben?")
                            : QStringLiteral("Game ") + fileName + QStringLiteral(" already existing. Overwrite?");
}

QString saveFailed(int tongue, const QString &fileName)
{
    return tongue == German
               ? QStringLiteral("Kann Spiel ") + fileName
                     + QStringLiteral(" nicht speichern. Datenträger voll oder nicht beschreibbar.")
               : QStringLiteral("Cannot save game ") + fileName + QStringLiteral(". Drive full or not writable.");
}

} // namespace Catalogue
