#pragma once
// What a screen reader finds in the game: the accessible interface each of
// the game's own widgets gets in place of the one Qt would make.

class QAccessibleInterface;
class QObject;
class QString;

/// The game's interface for object, or none where Qt's own serves; for
/// QAccessible::installFactory, before the main window is made.
QAccessibleInterface *gameAccessible(const QString &className, QObject *object);
