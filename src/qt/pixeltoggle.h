#pragma once

// A pixel of the grid on screen: a push-like two-state button that stays
// pressed in while on and shows its off or on picture itself.

#include <QAbstractButton>
#include <QPixmap>

class PixelToggleButton : public QAbstractButton {
    Q_OBJECT

public:
    // Called after each click has flipped the toggle: a click of the mouse,
    // Space, or click(); never for setChecked().
    using ClickReport = void (*)(PixelToggleButton *toggle);

    // Off, the toggle shows `offPicture` (none: a plain face).
    PixelToggleButton(const QPixmap &offPicture, ClickReport report, QWidget *parent);

    // On and while held down, the toggle shows `onPicture`; without one it
    // shows its off picture in both states.
    void setOnPicture(const QPixmap &onPicture);
    const QPixmap &offPicture() const { return off; }
    const QPixmap &onPicture() const { return on; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // A click flips the toggle; the report comes right after, before the
    // clicked() signal. This saves a signal connection for each toggle.
    void nextCheckState() override;

private:
    QPixmap off;
    QPixmap on;
    ClickReport report;
};
