#pragma once
// A label that opens a web or e-mail address: blue and underlined with a
// hand pointer until it is pressed, purple from then on. When the desktop
// refuses to open its target, the label switches itself off for the rest of
// the run.

#include <QLabel>
#include <QUrl>

#include <functional>

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    /// Opens an address; false when the desktop refuses.
    using Opener = std::function<bool(const QUrl &)>;

    /// Opens its target through QDesktopServices.
    explicit LinkLabel(const QString &caption = {}, QWidget *parent = nullptr);

    /// The address to open; when blank, the caption stands in for it.
    void setTarget(const QString &target) { m_target = target; }
    QString target() const { return m_target; }

    /// Replaces the way addresses are opened, so tests open no browser.
    void setOpener(Opener opener) { m_opener = std::move(opener); }

    int visitCount() const { return m_visits; }
    /// False after the desktop refused the target once.
    bool isLinkOn() const { return m_linkOn; }

    /// The address the label would open: the target without surrounding
    /// blanks, else the caption, as an e-mail address when it holds an "@".
    QString resolvedTarget() const;

    /// Counts a visit, turns purple and opens the target; does nothing once
    /// the link is switched off.
    void FollowLink();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void markVisited();
    void openTarget();

    QString m_target;
    Opener m_opener;
    int m_visits = 0;
    bool m_linkOn = true;
    bool m_pressed = false;
};
