#include "app/PageControl.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace morvane {

const QColor PageControl::kStripColour(0x42, 0x96, 0xE7);
const QColor PageControl::kInactiveColour(0xAD, 0xD8, 0xE6);
const QColor PageControl::kDarkEdge(0x80, 0x80, 0x80);

namespace {

constexpr int kFrameMargin = 4;   // page area to frame
constexpr int kTopGap = 2;        // the active tab rises this much above the others
constexpr int kCornerDiameter = 5;

// Sets a flag for as long as a user input event is being handled.
class UserInputScope {
public:
    explicit UserInputScope(PaintedTabBar* bar) : m_bar(bar) { emit m_bar->userInput(true); }
    ~UserInputScope() { emit m_bar->userInput(false); }

private:
    PaintedTabBar* m_bar;
};

} // namespace

// ---------------------------------------------------------------- TabSheet

TabSheet::TabSheet(const QString& objectName, QWidget* parent) : QWidget(parent)
{
    setObjectName(objectName);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kFrameMargin, kFrameMargin - 1, kFrameMargin, kFrameMargin);
    layout->setSpacing(0);
}

void TabSheet::setBrushColour(const QColor& colour)
{
    m_brush = colour;
    update();
}

QRect TabSheet::displayRect() const
{
    return rect().adjusted(kFrameMargin, kFrameMargin - 1, -kFrameMargin, -kFrameMargin);
}

void TabSheet::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), PageControl::kStripColour);
    if (m_brush.isValid())
        painter.fillRect(displayRect(), m_brush);
    // The frame is the page area grown by 4 pixels; its top edge, the frame
    // line, is the bottom row of the tab strip just above this page.
    const QRect frame = displayRect().adjusted(-kFrameMargin, -kFrameMargin, kFrameMargin, kFrameMargin);
    painter.setPen(Qt::white);
    painter.drawLine(frame.left(), 0, frame.left(), frame.bottom());
    painter.setPen(PageControl::kDarkEdge);
    painter.drawLine(frame.left(), frame.bottom(), frame.right(), frame.bottom());
    painter.drawLine(frame.right(), 0, frame.right(), frame.bottom());
}

// ----------------------------------------------------------- PaintedTabBar

PaintedTabBar::PaintedTabBar(QWidget* parent) : QTabBar(parent)
{
    setDrawBase(false);
    setExpanding(false);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
}

QSize PaintedTabBar::tabSizeHint(int index) const
{
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return QSize(metrics.horizontalAdvance(tabText(index)) + 14,
                 metrics.height() + 7 + kTopGap);
}

QSize PaintedTabBar::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
}

void PaintedTabBar::drawTabShape(QPainter& painter, const QRect& rect, const QString& caption)
{
    // The rounded rectangle runs 50 pixels below the tab, so only its top
    // corners and sides show inside the clip.
    auto roundedShape = [](const QRect& r) {
        return QRect(r.left(), r.top(), r.width() - 1, r.height() + 50);
    };
    const qreal radius = kCornerDiameter / 2.0;

    painter.save();
    painter.setPen(Qt::white);
    painter.setClipRect(rect);
    painter.drawRoundedRect(roundedShape(rect), radius, radius);
    painter.setClipping(false);

    const QRect moved = rect.translated(1, 1);
    painter.setPen(PageControl::kDarkEdge);
    painter.setClipRect(QRect(moved.right() - 1, moved.top(), 2, moved.height()));
    painter.drawRoundedRect(roundedShape(moved), radius, radius);
    painter.setClipping(false);
    painter.restore();

    const QRect textArea = moved.adjusted(2, 2, -2, -2);
    painter.save();
    painter.setClipRect(textArea);
    painter.drawText(QRect(textArea.left() + 2, textArea.top() + 1, textArea.width(), textArea.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
    painter.restore();
}

void PaintedTabBar::paintEvent(QPaintEvent* event)
{
    if (!m_painterInstalled) {
        QTabBar::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.fillRect(rect(), PageControl::kStripColour);
    const int frameLine = height() - 1;
    painter.setPen(Qt::white);
    painter.drawLine(0, frameLine, width() - 1, frameLine);

    QFont regular = font();
    regular.setBold(false);
    const int active = currentIndex();
    for (int i = count() - 1; i >= 0; --i) {
        if (i == active)
            continue;
        const QRect tab = tabRect(i);
        const QRect shape(QPoint(tab.left() - 2, kTopGap), QPoint(tab.right(), frameLine - 1));
        painter.setFont(regular);
        painter.setPen(Qt::black);
        painter.setBrush(PageControl::kInactiveColour);
        drawTabShape(painter, shape, tabText(i));
        painter.setPen(Qt::white);
        painter.drawLine(shape.left(), frameLine, shape.right(), frameLine);
    }
    if (active >= 0) {
        const QRect tab = tabRect(active);
        const QRect shape(QPoint(tab.left() - 2, 0), QPoint(tab.right(), frameLine));
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(Qt::white);
        painter.setBrush(PageControl::kStripColour);
        drawTabShape(painter, shape, tabText(active));
    }
}

void PaintedTabBar::mousePressEvent(QMouseEvent* event)
{
    UserInputScope scope(this);
    QTabBar::mousePressEvent(event);
}

void PaintedTabBar::keyPressEvent(QKeyEvent* event)
{
    UserInputScope scope(this);
    QTabBar::keyPressEvent(event);
}

void PaintedTabBar::wheelEvent(QWheelEvent* event)
{
    UserInputScope scope(this);
    QTabBar::wheelEvent(event);
}

// ------------------------------------------------------------- PageControl

PageControl::PageControl(QWidget* parent) : QTabWidget(parent), m_tabBar(new PaintedTabBar(this))
{
    setObjectName(QStringLiteral("jvPageControl1"));
    setTabBar(m_tabBar);
    setDocumentMode(true);
    // Room left of the first tab, which reaches 2 pixels further left.
    auto* corner = new QWidget(this);
    corner->setFixedSize(4, 1);
    setCornerWidget(corner, Qt::TopLeftCorner);

    connect(m_tabBar, &PaintedTabBar::userInput, this, [this](bool active) {
        m_userInput += active ? 1 : -1;
    });
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        if (m_userInput > 0)
            emit userChangedPage(index);
    });
}

TabSheet* PageControl::addSheet(const QString& objectName, const QString& caption)
{
    auto* page = new TabSheet(objectName);
    addTab(page, caption);
    return page;
}

TabSheet* PageControl::sheet(int index) const
{
    return qobject_cast<TabSheet*>(widget(index));
}

int PageControl::indexOfSheet(const QString& objectName) const
{
    for (int i = 0; i < count(); ++i) {
        if (widget(i)->objectName() == objectName)
            return i;
    }
    return -1;
}

void PageControl::installTabPainter()
{
    m_tabBar->installTabPainter();
    update();
}

void PageControl::paintEvent(QPaintEvent* event)
{
    if (!m_tabBar->tabPainterInstalled()) {
        QTabWidget::paintEvent(event);
        return;
    }
    // The strip beside the tabs, with the frame line continued to the right edge.
    QPainter painter(this);
    painter.fillRect(rect(), kStripColour);
    const int frameLine = m_tabBar->geometry().bottom();
    painter.setPen(Qt::white);
    painter.drawLine(0, frameLine, width() - 1, frameLine);
}

void PageControl::keyPressEvent(QKeyEvent* event)
{
    // Ctrl+Tab and Ctrl+Shift+Tab are the user's too.
    ++m_userInput;
    QTabWidget::keyPressEvent(event);
    --m_userInput;
}

} // namespace morvane
