#include "dialogs/gamedialog.h"

#include <QFrame>
#include <QLabel>

namespace {

constexpr QSize ClientSize{261, 103};
constexpr int ButtonTop = 68;
constexpr QSize ButtonSize{77, 27};

/// The catalogue breaks a message with a carriage return; a label breaks at a
/// line feed.
QString labelText(const QString &message)
{
    QString text = message;
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

TGameDialog::TGameDialog(QWidget *mainForm, const int &tongue, const Phrase &message, const QRect &labelPlace,
                         FontWeight labelWeight)
    : TZorbixDialog(mainForm, ClientSize, FontWeight::Regular)
    , m_tongue(tongue)
    , m_message(message)
{
    setWindowTitle(Catalogue::DialogCaption);
    Bevel1 = makeBevel(this, "Bevel1", {8, 8, 245, 49});
    Label1 = makeLabel(this, "Label1", labelPlace);
    Label1->setFont(dialogFont(11, labelWeight));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);
    Image1 = makeIconImage(this, "Image1", {16, 16, 32, 32}, mainForm);
}

PictureButton *TGameDialog::addButton(const char *name, int left, const char *picture, int result, Role role,
                                      const QString &caption)
{
    auto *button = new PictureButton(caption, dialogPicture(picture), this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(QRect({left, ButtonTop}, ButtonSize));
    answerWith(button, result);
    if (role == Role::Default) {
        button->setDefault(true);
        setFirstFocus(button);
    } else {
        setCancelButton(button);
    }
    return button;
}

PictureButton *TGameDialog::addButton(const char *name, int left, const char *picture, int result, Role role,
                                      const Phrase &caption)
{
    PictureButton *button = addButton(name, left, picture, result, role, caption.in(m_tongue));
    m_captions.emplace_back(button, caption);
    return button;
}

void TGameDialog::FormActivate()
{
    Label1->setText(labelText(m_message.in(m_tongue)));
    // A screen reader reads the question with the dialog's caption.
    setAccessibleDescription(Label1->text());
    for (const auto &[button, caption] : m_captions)
        button->setText(caption.in(m_tongue));
}
