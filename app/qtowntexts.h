#pragma once
// The texts Qt draws itself — the titles, buttons and labels of the open and
// save file dialogs, the edit menus of text boxes — in the game's language:
// Qt's own German catalogue while the game speaks German, Qt's built-in
// English otherwise. The game's own texts come from the catalogue in
// dialogs/ and are not touched.

#include <QTranslator>

class QtOwnTexts {
public:
    /// Switches Qt's texts to the language code (German when it is 1). Where
    /// Qt's German catalogue is not installed, Qt's texts stay English: the
    /// game still plays, only the file dialogs speak English.
    void apply(int tongue);
    /// Whether Qt's texts are German now.
    bool german() const { return m_installed; }

private:
    QTranslator m_translator; ///< leaves the application when it is destroyed
    bool m_installed = false;
};
