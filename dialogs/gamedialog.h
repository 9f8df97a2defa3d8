#pragma once
// The common layout of the game's six small questions and its notice: a
// sunken box with the main window's icon and the message, and one or two
// picture buttons below it. The message and the button captions follow the
// language code at every showing.

#include "dialogs/picturebutton.h"
#include "dialogs/zorbixdialog.h"
#include "texts/catalogue.h"

#include <utility>
#include <vector>

class QFrame;
class QLabel;

class TGameDialog : public TZorbixDialog {
    Q_OBJECT
public:
    QFrame *Bevel1;
    QLabel *Label1;
    QLabel *Image1;

protected:
    /// tongue is the main window's language code, read at every showing.
    TGameDialog(QWidget *mainForm, const int &tongue, const Phrase &message, const QRect &labelPlace,
                FontWeight labelWeight);

    /// The default button has the focus at the first showing and is
    /// pressed by Enter; the cancel button is pressed by Escape.
    enum class Role { Default, Cancel };

    /// A 77 by 27 button at top 68 whose caption follows the language.
    PictureButton *addButton(const char *name, int left, const char *picture, int result, Role role,
                             const Phrase &caption);
    /// The same with a caption that is the same in both languages.
    PictureButton *addButton(const char *name, int left, const char *picture, int result, Role role,
                             const QString &caption);

    void FormActivate() override;

private:
    const int &m_tongue;
    Phrase m_message;
    std::vector<std::pair<PictureButton *, Phrase>> m_captions;
};
