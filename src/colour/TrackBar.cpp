#include "colour/TrackBar.h"

#include <QMouseEvent>
#include <QPainter>

namespace morvane {

namespace {
const QColor kTrack(0xE6, 0xCF, 0x9D);
const QColor kThumb(0xAD, 0xD8, 0xE6);
constexpr int kThumbWidth = 23;
constexpr int kThumbHeight = 20;
} // namespace

TrackBar::TrackBar(int minimum, int maximum, QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setRange(minimum, maximum);
    setSingleStep(1);
    setPageStep(qMax(1, (maximum - minimum) / 10));
    setMinimumHeight(kThumbHeight);
    // Every user action goes through triggerAction, which announces itself
    // before it moves the value; setValue from the program does not.
    connect(this, &QAbstractSlider::actionTriggered, this, [this](int) {
        m_userAction = sliderPosition() != value();
    });
    connect(this, &QAbstractSlider::valueChanged, this, [this](int newValue) {
        const bool user = m_userAction || isSliderDown();
        m_userAction = false;
        if (user)
            emit userChanged(newValue);
    });
}

void TrackBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int trackTop = kThumbHeight / 2 - 3;
    const QRect track(kThumbWidth / 2, trackTop, width() - kThumbWidth, 5);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.setBrush(kTrack);
    painter.drawRect(track);

    const int span = qMax(1, maximum() - minimum());
    const int x = (width() - kThumbWidth) * (sliderPosition() - minimum()) / span;
    const QRect thumb(x, 0, kThumbWidth - 1, kThumbHeight - 1);
    painter.setBrush(kThumb);
    painter.setPen(isEnabled() ? QColor(Qt::white) : QColor(0x80, 0x80, 0x80));
    painter.drawRoundedRect(thumb, 3, 3);

    // The value as the thumb's caption.
    QFont font = painter.font();
    font.setPixelSize(9);
    painter.setFont(font);
    painter.setPen(isEnabled() ? QColor(0x00, 0x00, 0x00) : QColor(0x80, 0x80, 0x80));
    painter.drawText(thumb, Qt::AlignCenter, QString::number(sliderPosition()));
}

int TrackBar::valueAt(int x) const
{
    const int usable = qMax(1, width() - kThumbWidth);
    const int offset = qBound(0, x - kThumbWidth / 2, usable);
    return minimum() + (offset * (maximum() - minimum()) + usable / 2) / usable;
}

void TrackBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        event->ignore();
        return;
    }
    setSliderDown(true);
    setSliderPosition(valueAt(event->position().toPoint().x()));
    event->accept();
}

void TrackBar::mouseMoveEvent(QMouseEvent* event)
{
    if (!isSliderDown()) {
        event->ignore();
        return;
    }
    setSliderPosition(valueAt(event->position().toPoint().x()));
    event->accept();
}

void TrackBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (isSliderDown())
        setSliderDown(false);
    event->accept();
}

} // namespace morvane
