#include "dialogs/savedgamefiles.h"

#include "dialogs/messagebox.h"
#include "game/savedgame.h"
#include "texts/catalogue.h"

#include <QFileInfo>

SavedGameFiles::SavedGameFiles(QWidget *owner, const int &tongue, const QString &programFolder,
                               std::function<void(QDialog *)> whenMade)
    : m_owner(owner)
    , m_tongue(tongue)
    , m_programFolder(programFolder)
    , m_whenMade(std::move(whenMade))
{}

SavedGameFiles::Outcome SavedGameFiles::save(QString &savedGame, const SolvedTable &flags)
{
    // Only a regular file counts as a saved game being there.
    const QFileInfo current(savedGame);
    if (!savedGame.isEmpty() && current.isFile()) {
        saveDialog->setDirectory(current.absolutePath());
        saveDialog->selectFile(current.fileName());
    }
    QString name;
    for (;;) {
        if (saveDialog->exec() != QDialog::Accepted || saveDialog->selectedFiles().isEmpty())
            return Cancelled;
        name = withSavedGameExtension(saveDialog->selectedFiles().constFirst());
        const QFileInfo chosen(name);
        if (!chosen.isFile() || askWarning(m_owner, Catalogue::overwriteQuestion(m_tongue, chosen.fileName())))
            break;
    }
    savedGame = name;
    if (writeSavedGame(name, flags))
        return Done;
    showErrorBox(m_owner, Catalogue::saveFailed(m_tongue, QFileInfo(name).fileName()));
    return Failed;
}

SavedGameFiles::Outcome SavedGameFiles::load(QString &savedGame, SolvedTable &flags)
{
    if (!savedGame.isEmpty())
        openDialog->setDirectory(QFileInfo(savedGame).absolutePath());
    if (openDialog->exec() != QDialog::Accepted || openDialog->selectedFiles().isEmpty())
        return Cancelled;
    const QString name = openDialog->selectedFiles().constFirst();
    if (name.isEmpty())
        return Cancelled;
    if (!QFileInfo(name).isFile())
        return Failed;
    const std::optional<SolvedTable> loaded = readSavedGameForLoad(name);
    if (!loaded) {
        showErrorBox(m_owner, Catalogue::loadFailed(m_tongue, name));
        return Failed;
    }
    flags = *loaded;
    savedGame = name;
    return Done;
}

QFileDialog *SavedGameFiles::make(QFileDialog::AcceptMode mode)
{
    auto *dialog = new QFileDialog(m_owner);
    dialog->setNameFilter(Catalogue::SavedGameFilter);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    // The filter shows as "Zorbix Hoplix-Dateien", without its pattern.
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(QFileDialog::AnyFile);
    if (mode == QFileDialog::AcceptOpen) {
        dialog->setDefaultSuffix(QStringLiteral("zhx"));
        dialog->setDirectory(m_programFolder);
    } else {
        // The game asks its own overwrite question, in its own words.
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
    }
    m_whenMade(dialog);
    return dialog;
}
