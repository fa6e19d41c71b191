// The pixel toggles paint themselves: the style draws the push-button face,
// the toggle its picture and its focus rectangle. Against a QPushButton with
// a QIcon of its own this saves a copy of the icon and a look-up of its
// pixmaps for each of the 320 toggles.

#include "pixeltoggle.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include <vector>

namespace {

// A picture is cut off 2 pixels inside the edge, so an 18 x 18 toggle shows
// at most its central 14 x 14 pixels.
constexpr int PictureInset = 2;
// The focus rectangle runs 3 pixels inside the edge.
constexpr int FocusInset = 3;

// Every second pixel of the rectangle's outline, starting at its top-left
// corner, inverted, so that it shows on the off and on pictures alike.
void DrawDottedFocusRect(QPainter &painter, const QRect &frame)
{
    std::vector<QPoint> dots;
    const auto add = [&](int x, int y) {
        if ((x - frame.left() + y - frame.top()) % 2 == 0)
            dots.emplace_back(x, y);
    };
    for (int x = frame.left(); x <= frame.right(); ++x) {
        add(x, frame.top());
        add(x, frame.bottom());
    }
    for (int y = frame.top() + 1; y < frame.bottom(); ++y) {
        add(frame.left(), y);
        add(frame.right(), y);
    }
    painter.setClipping(false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 0));
    painter.drawPoints(dots.data(), int(dots.size()));
}

} // namespace

PixelToggleButton::PixelToggleButton(const QPixmap &offPicture, ClickReport report, QWidget *parent)
    : QAbstractButton(parent), off(offPicture), report(report)
{
    setCheckable(true);
}

void PixelToggleButton::nextCheckState()
{
    QAbstractButton::nextCheckState();
    report(this);
}

void PixelToggleButton::setOnPicture(const QPixmap &onPicture)
{
    on = onPicture;
    update();
}

void PixelToggleButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The face as a push button's, pressed in while held down or on.
    QStyleOptionButton face;
    face.initFrom(this);
    const bool focusShown =
        (face.state & QStyle::State_HasFocus) && (face.state & QStyle::State_KeyboardFocusChange);
    // The dotted rectangle shows the focus; the face stays as it is.
    face.state &= ~QStyle::State_HasFocus;
    face.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    if (isChecked())
        face.state |= QStyle::State_On;
    style()->drawControl(QStyle::CE_PushButtonBevel, &face, &painter, this);

    // Held down, the toggle previews the on picture, one pixel right and down.
    const bool showOn = isChecked() || isDown();
    const QPixmap &picture = showOn && !on.isNull() ? on : off;
    if (!picture.isNull()) {
        QPoint at((width() - picture.width()) / 2, (height() - picture.height()) / 2);
        if (isDown())
            at += QPoint(1, 1);
        painter.setClipRect(rect().adjusted(PictureInset, PictureInset, -PictureInset, -PictureInset));
        painter.drawPixmap(at, picture);
    }

    if (focusShown)
        DrawDottedFocusRect(painter, rect().adjusted(FocusInset, FocusInset, -FocusInset, -FocusInset));
}

// Arrow keys do not move the focus between controls, as they would between
// buttons; they do nothing at all.
void PixelToggleButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        event->accept();
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}
