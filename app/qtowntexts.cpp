#include "app/qtowntexts.h"

#include "texts/catalogue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

void QtOwnTexts::apply(int tongue)
{
    const bool wantGerman = tongue == German;
    if (wantGerman == m_installed)
        return;
    // Installing or removing a catalogue tells every widget that the
    // language changed, and Qt's dialogs set their texts anew.
    if (!wantGerman) {
        QCoreApplication::removeTranslator(&m_translator);
        m_installed = false;
        return;
    }
    if (m_translator.isEmpty()
        && !m_translator.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    m_installed = QCoreApplication::installTranslator(&m_translator);
}
