#pragma once
// The toolbar: flat picture buttons, the level selector and the level
// display, each at its fixed place. Nothing here moves when the window grows.

#include <QFrame>

class QLabel;
class QToolButton;
class LevelBox;
class LevelSelector;

class ToolPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int PanelHeight = 33;

    explicit ToolPanel(QWidget *parent = nullptr);

    /// The hints, the word for level and the names screen readers read, in
    /// the language code tongue.
    void setTexts(int tongue);

    QToolButton *NewGameBtn;
    QToolButton *RestartBtn;
    QToolButton *LoadBtn;
    QToolButton *SaveBtn;
    QToolButton *SoundBtn; ///< a toggle: down means sounds on
    QToolButton *ExitBtn;
    QToolButton *sDownBtn;
    LevelSelector *levelscroll;
    QToolButton *sUpBtn;
    QLabel *levellabel;
    LevelBox *levelbox;
    QToolButton *TongueBtn;
    QToolButton *RulesBtn;
    QToolButton *InfoBtn;

private:
    QToolButton *pictureButton(const char *name, const QString &picture, QRect place);
};
