#pragma once
// The progress bar along the bottom of the board: red for the share of
// solved levels, black for the rest, in steps of whole percents.

#include <QWidget>

/// The width of the red part of a bar w pixels wide.
int progressFillWidth(int w, int position, int maximum);

class ProgressGauge : public QWidget {
    Q_OBJECT
public:
    explicit ProgressGauge(QWidget *parent = nullptr);

    void setMaximum(int maximum);
    void setPosition(int position);
    int maximum() const { return m_maximum; }
    int position() const { return m_position; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_maximum = 100;
    int m_position = 0;
};
