#pragma once
// The controls the game's dialogs are built from, each at a fixed pixel
// place in the dialog's client area and named as the game names it.

#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QWidget;

enum class FontWeight { Regular, Bold };

/// "MS Sans Serif" where it exists, with the fallbacks of pixelFont; sizes in
/// pixels, never scaled with the screen's resolution.
QFont dialogFont(int pixelSize, FontWeight weight);

/// A dialog picture from the game's resources, ":/pictures/<name>.svg".
/// A picture that fails to load leaves a plain button, nothing worse.
QIcon dialogPicture(const char *name);

// Frames and the game's icon only decorate: screen readers leave them out.

/// A sunken rectangular frame.
QFrame *makeBevel(QWidget *parent, const char *name, const QRect &place);

/// A sunken line along the bottom edge of the given rectangle.
QFrame *makeBottomLine(QWidget *parent, const char *name, const QRect &place);

/// An image box showing the main window's icon at 32 by 32, unscaled, from
/// the box's top-left corner.
QLabel *makeIconImage(QWidget *parent, const char *name, const QRect &place, const QWidget *mainForm);

/// A picture from the resources at its own size, from the box's top-left.
QLabel *makePictureImage(QWidget *parent, const char *name, const QRect &place, const char *picture);

/// A multi-line text box on the memo background, wrapped at its width, with
/// a vertical scroll bar, in the regular 11-pixel font.
QPlainTextEdit *makeMemo(QWidget *parent, const char *name, const QRect &place, const QString &text);

/// A label at a fixed place.
QLabel *makeLabel(QWidget *parent, const char *name, const QRect &place, const QString &text = {});
