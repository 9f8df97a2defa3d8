#pragma once
// The game's message boxes. Their titles and button captions are German
// whatever language the game speaks; only the message follows it.

#include <QString>

class QWidget;

/// An error box titled "Fehler" with one "OK" button; returns when it closes.
void showErrorBox(QWidget *parent, const QString &text);

/// A warning box titled "Warnung" with "&Ja" and "&Nein"; true for "&Ja".
/// Escape and the close box answer "&Nein".
bool askWarning(QWidget *parent, const QString &text);
