#include "library/ThumbnailView.h"

#include "common/Error.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace morvane {

namespace {

constexpr int kSpacing = 6;      // between cells and around the grid
constexpr int kImageMargin = 4;  // between a cell's edge and its image area
constexpr int kCaptionPadding = 4;

struct Entry {
    ThumbnailView::Item item;
    QImage scaled; // the image fitted to the cell's image area; null for the placeholder
    bool selected = false;
};

} // namespace

struct ThumbnailView::State {
    QColor gradientStart{0xAD, 0xD8, 0xE6};
    QColor gradientEnd{0x42, 0x96, 0xE7};
    QColor cellBackground{0xC0, 0xC0, 0xC0};
    QColor cellBorder{0x80, 0x80, 0x80};
    QColor selectedBackground{0xAD, 0xD8, 0xE6};
    QColor selectedText{0xFF, 0x00, 0x00};
    QColor frameColour{0xC0, 0xC0, 0xC0};
    bool imageFrame = true;
    Selection mode = Selection::Single;
    QSize cell{90, 90};
    int columns = 3;

    std::vector<Entry> entries;
    int current = -1;
    int anchor = -1;

    // Mouse gesture in progress.
    bool pressed = false;
    int pressIndex = -1;
    QPoint pressPos;      // content coordinates
    bool rubberBand = false;
    QRect band;           // content coordinates

    QImage background;    // the gradient at the viewport's size
};

ThumbnailView::ThumbnailView(QWidget* parent)
    : QAbstractScrollArea(parent)
    , d(std::make_unique<State>())
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameShape(QFrame::NoFrame);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::WheelFocus);
    relayout();
}

ThumbnailView::~ThumbnailView() = default;

// ---- look -----------------------------------------------------------------

void ThumbnailView::setGradientColours(const QColor& start, const QColor& end)
{
    d->gradientStart = start;
    d->gradientEnd = end;
    d->background = QImage();
    viewport()->update();
}

void ThumbnailView::setCellBackground(const QColor& colour)
{
    d->cellBackground = colour;
    viewport()->update();
}

void ThumbnailView::setCellBorderColour(const QColor& colour)
{
    d->cellBorder = colour;
}

QColor ThumbnailView::cellBorderColour() const { return d->cellBorder; }

void ThumbnailView::setSelectedTextBackground(const QColor& colour)
{
    d->selectedBackground = colour;
    viewport()->update();
}

void ThumbnailView::setSelectedTextColour(const QColor& colour)
{
    d->selectedText = colour;
    viewport()->update();
}

void ThumbnailView::setImageFrame(bool drawFrame)
{
    d->imageFrame = drawFrame;
    viewport()->update();
}

void ThumbnailView::setSelectionMode(Selection mode)
{
    d->mode = mode;
    d->pressed = false;
    d->rubberBand = false;
    setFocusPolicy(mode == Selection::None ? Qt::NoFocus : Qt::WheelFocus);
    if (mode == Selection::Single) {
        // Keep at most one selected item.
        const QList<int> selected = selectedIndexes();
        for (int i = 1; i < selected.size(); ++i)
            d->entries[size_t(selected[i])].selected = false;
        if (selected.size() > 1)
            emit selectionChanged();
    }
    viewport()->update();
}

ThumbnailView::Selection ThumbnailView::selectionMode() const { return d->mode; }

// ---- size and layout ------------------------------------------------------

void ThumbnailView::setThumbnailSize(int side)
{
    setThumbnailSize(side, side);
}

void ThumbnailView::setThumbnailSize(int width, int height)
{
    const QSize size(std::max(1, width), std::max(1, height));
    if (size == d->cell)
        return;
    d->cell = size;
    rescaleAll();
    relayout();
}

int ThumbnailView::thumbnailSize() const { return d->cell.width(); }
QSize ThumbnailView::cellSize() const { return d->cell; }

void ThumbnailView::setColumns(int columns)
{
    d->columns = std::max(1, columns);
    relayout();
}

int ThumbnailView::columns() const { return d->columns; }

int ThumbnailView::captionHeight() const
{
    return fontMetrics().height() + kCaptionPadding;
}

QRect ThumbnailView::imageArea(const QRect& cell) const
{
    QRect area = cell.adjusted(kImageMargin, kImageMargin, -kImageMargin, -captionHeight());
    if (area.width() < 1 || area.height() < 1)
        area = QRect(cell.topLeft(), QSize(std::max(1, cell.width()), std::max(1, cell.height() - captionHeight())));
    return area;
}

int ThumbnailView::gridLeft() const
{
    const int gridWidth = d->columns * d->cell.width() + (d->columns - 1) * kSpacing;
    return std::max(kSpacing, (viewport()->width() - gridWidth) / 2);
}

QRect ThumbnailView::contentCellRect(int index) const
{
    const int row = index / d->columns;
    const int column = index % d->columns;
    return QRect(gridLeft() + column * (d->cell.width() + kSpacing),
                 kSpacing + row * (d->cell.height() + kSpacing),
                 d->cell.width(), d->cell.height());
}

QRect ThumbnailView::cellRect(int index) const
{
    if (index < 0 || index >= count())
        return QRect();
    return contentCellRect(index).translated(0, -verticalScrollBar()->value());
}

int ThumbnailView::indexAt(const QPoint& viewportPoint) const
{
    const QPoint p = viewportPoint + QPoint(0, verticalScrollBar()->value());
    const int x = p.x() - gridLeft();
    const int y = p.y() - kSpacing;
    if (x < 0 || y < 0)
        return -1;
    const int pitchX = d->cell.width() + kSpacing;
    const int pitchY = d->cell.height() + kSpacing;
    const int column = x / pitchX;
    const int row = y / pitchY;
    if (column >= d->columns || x % pitchX >= d->cell.width() || y % pitchY >= d->cell.height())
        return -1;
    const qint64 index = qint64(row) * d->columns + column;
    return index < count() ? int(index) : -1;
}

void ThumbnailView::relayout()
{
    const int rows = (count() + d->columns - 1) / d->columns;
    const int contentHeight = rows == 0 ? 0 : kSpacing + rows * (d->cell.height() + kSpacing);
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, std::max(0, contentHeight - viewport()->height()));
    bar->setPageStep(std::max(1, viewport()->height()));
    bar->setSingleStep(std::max(1, (d->cell.height() + kSpacing) / 3));
    viewport()->update();
}

void ThumbnailView::rescale(int index)
{
    Entry& entry = d->entries[size_t(index)];
    if (entry.item.image.isNull()) {
        entry.scaled = QImage();
        return;
    }
    // Scaled for the screen's pixel density, drawn at the cell's logical size.
    const qreal dpr = std::max<qreal>(1.0, devicePixelRatioF());
    const QSize area = imageArea(QRect(QPoint(0, 0), d->cell)).size() * dpr;
    const QSize fitted = entry.item.image.size().scaled(area, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    const QImage::Format format = entry.item.image.hasAlphaChannel()
        ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    entry.scaled = entry.item.image.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(format);
    entry.scaled.setDevicePixelRatio(dpr);
}

void ThumbnailView::rescaleAll()
{
    for (int i = 0; i < count(); ++i)
        rescale(i);
}

void ThumbnailView::scrollToItem(int index)
{
    if (index < 0 || index >= count())
        return;
    const QRect r = contentCellRect(index).adjusted(0, -kSpacing, 0, kSpacing);
    QScrollBar* bar = verticalScrollBar();
    const int top = bar->value();
    const int bottom = top + viewport()->height();
    if (r.top() < top)
        bar->setValue(r.top());
    else if (r.bottom() + 1 > bottom)
        bar->setValue(r.bottom() + 1 - viewport()->height());
}

// ---- contents -------------------------------------------------------------

void ThumbnailView::clear()
{
    const bool hadSelection = !selectedIndexes().isEmpty();
    d->entries.clear();
    d->current = -1;
    d->anchor = -1;
    d->pressed = false;
    d->rubberBand = false;
    verticalScrollBar()->setValue(0);
    relayout();
    if (hadSelection)
        emit selectionChanged();
}

void ThumbnailView::append(Item item)
{
    d->entries.push_back(Entry{std::move(item), QImage(), false});
    rescale(count() - 1);
    relayout();
}

void ThumbnailView::setItems(std::vector<Item> items)
{
    clear();
    d->entries.reserve(items.size());
    for (Item& item : items) {
        d->entries.push_back(Entry{std::move(item), QImage(), false});
        rescale(count() - 1);
    }
    relayout();
}

int ThumbnailView::count() const { return int(d->entries.size()); }

const ThumbnailView::Item& ThumbnailView::item(int index) const
{
    if (index < 0 || index >= count())
        throw Error(QStringLiteral("The thumbnail list has no item %1").arg(index));
    return d->entries[size_t(index)].item;
}

void ThumbnailView::moveItem(int from, int to)
{
    if (from < 0 || from >= count() || to < 0 || to >= count())
        throw Error(QStringLiteral("Cannot move thumbnail %1 to %2 in a list of %3")
                        .arg(from).arg(to).arg(count()));
    if (from == to)
        return;
    auto remap = [from, to](int i) {
        if (i == from)
            return to;
        if (from < to && i > from && i <= to)
            return i - 1;
        if (to < from && i >= to && i < from)
            return i + 1;
        return i;
    };
    auto first = d->entries.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
    if (d->current >= 0)
        d->current = remap(d->current);
    if (d->anchor >= 0)
        d->anchor = remap(d->anchor);
    viewport()->update();
}

// ---- selection ------------------------------------------------------------

QList<int> ThumbnailView::selectedIndexes() const
{
    QList<int> result;
    for (int i = 0; i < count(); ++i) {
        if (d->entries[size_t(i)].selected)
            result.append(i);
    }
    return result;
}

bool ThumbnailView::isSelected(int index) const
{
    return index >= 0 && index < count() && d->entries[size_t(index)].selected;
}

void ThumbnailView::setSelected(int index, bool selected)
{
    if (index < 0 || index >= count())
        return;
    if (selected && d->mode != Selection::Multiple) {
        for (Entry& e : d->entries)
            e.selected = false;
    }
    d->entries[size_t(index)].selected = selected;
    if (selected) {
        d->current = index;
        d->anchor = index;
    }
    viewport()->update();
    emit selectionChanged();
}

void ThumbnailView::clearSelection()
{
    bool changed = false;
    for (Entry& e : d->entries) {
        changed = changed || e.selected;
        e.selected = false;
    }
    viewport()->update();
    if (changed)
        emit selectionChanged();
}

int ThumbnailView::currentIndex() const { return d->current; }

void ThumbnailView::selectOnly(int index)
{
    for (int i = 0; i < count(); ++i)
        d->entries[size_t(i)].selected = (i == index);
    d->current = index;
    d->anchor = index;
}

void ThumbnailView::selectRange(int from, int to, bool keepOthers)
{
    const int lo = std::min(from, to);
    const int hi = std::max(from, to);
    for (int i = 0; i < count(); ++i) {
        Entry& e = d->entries[size_t(i)];
        if (i >= lo && i <= hi)
            e.selected = true;
        else if (!keepOthers)
            e.selected = false;
    }
    d->current = to;
}

// ---- mouse and keyboard ---------------------------------------------------

void ThumbnailView::mousePressEvent(QMouseEvent* event)
{
    if (d->mode == Selection::None || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QPoint pos = event->position().toPoint();
    d->pressed = true;
    d->pressIndex = indexAt(pos);
    d->pressPos = pos + QPoint(0, verticalScrollBar()->value());
    d->rubberBand = false;
    event->accept();
}

void ThumbnailView::mouseMoveEvent(QMouseEvent* event)
{
    if (!d->pressed || d->mode != Selection::Multiple)
        return;
    const QPoint pos = event->position().toPoint() + QPoint(0, verticalScrollBar()->value());
    if (!d->rubberBand && (pos - d->pressPos).manhattanLength() >= QApplication::startDragDistance())
        d->rubberBand = true;
    if (d->rubberBand) {
        d->band = QRect(d->pressPos, pos).normalized();
        viewport()->update();
    }
}

void ThumbnailView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!d->pressed || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    d->pressed = false;
    const Qt::KeyboardModifiers mods = event->modifiers();

    if (d->rubberBand) {
        // The selection of a dragged rectangle is made on release; with Ctrl
        // it adds to the selection.
        d->rubberBand = false;
        for (int i = 0; i < count(); ++i) {
            Entry& e = d->entries[size_t(i)];
            const bool inside = contentCellRect(i).intersects(d->band);
            if (inside)
                e.selected = true;
            else if (!(mods & Qt::ControlModifier))
                e.selected = false;
        }
        viewport()->update();
        emit selectionChanged();
        return;
    }

    const int index = indexAt(event->position().toPoint());
    if (index < 0 || index != d->pressIndex)
        return;

    if (d->mode == Selection::Single) {
        selectOnly(index);
    } else if (mods & Qt::ShiftModifier) {
        const int anchor = d->anchor >= 0 ? d->anchor : index;
        selectRange(anchor, index, mods & Qt::ControlModifier);
        d->anchor = anchor;
    } else if (mods & Qt::ControlModifier) {
        Entry& e = d->entries[size_t(index)];
        e.selected = !e.selected;
        d->current = index;
        d->anchor = index;
    } else {
        selectOnly(index);
    }
    viewport()->update();
    emit selectionChanged();
    // Every click on a cell is a pick, a Ctrl-click too: the pages act on
    // the clicked item (the photo page places it, the gallery reopens it).
    emit itemPicked(index);
}

void ThumbnailView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A double click is two clicks; the second press arrives here.
    mousePressEvent(event);
}

void ThumbnailView::moveCurrentByKey(int target, Qt::KeyboardModifiers modifiers)
{
    target = std::clamp(target, 0, count() - 1);
    const int before = d->current;
    if (d->mode == Selection::Multiple && (modifiers & Qt::ShiftModifier)) {
        const int anchor = d->anchor >= 0 ? d->anchor : target;
        selectRange(anchor, target, false);
        d->anchor = anchor;
    } else {
        if (target == before && isSelected(target))
            return;
        selectOnly(target);
    }
    scrollToItem(target);
    viewport()->update();
    emit selectionChanged();
    if (d->mode == Selection::Single)
        emit itemPicked(target);
}

void ThumbnailView::keyPressEvent(QKeyEvent* event)
{
    if (d->mode == Selection::None || count() == 0) {
        event->ignore();
        return;
    }
    const int cur = d->current;
    const int columns = d->columns;
    const int rowsPerPage = std::max(1, viewport()->height() / (d->cell.height() + kSpacing));
    int target = -1;
    switch (event->key()) {
    case Qt::Key_Left: target = cur < 0 ? 0 : cur - 1; break;
    case Qt::Key_Right: target = cur < 0 ? 0 : cur + 1; break;
    case Qt::Key_Up: target = cur < 0 ? 0 : (cur - columns >= 0 ? cur - columns : cur); break;
    case Qt::Key_Down: target = cur < 0 ? 0 : (cur + columns < count() ? cur + columns : cur); break;
    case Qt::Key_PageUp: target = cur < 0 ? 0 : std::max(cur % columns, cur - rowsPerPage * columns); break;
    case Qt::Key_PageDown: {
        if (cur < 0) { target = 0; break; }
        target = cur + rowsPerPage * columns;
        while (target >= count())
            target -= columns;
        target = std::max(target, cur);
        break;
    }
    case Qt::Key_Home: target = 0; break;
    case Qt::Key_End: target = count() - 1; break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
    moveCurrentByKey(target, event->modifiers());
}

void ThumbnailView::wheelEvent(QWheelEvent* event)
{
    // Scrolling only; it works in every selection mode.
    QAbstractScrollArea::wheelEvent(event);
}

void ThumbnailView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    d->background = QImage();
    relayout();
}

void ThumbnailView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::ScreenChangeInternal) {
        rescaleAll();
        relayout();
    }
}

// ---- painting -------------------------------------------------------------

void ThumbnailView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QSize vsize = viewport()->size();
    if (d->background.size() != vsize && !vsize.isEmpty()) {
        d->background = QImage(vsize, QImage::Format_RGB32);
        QPainter bg(&d->background);
        QLinearGradient gradient(0, 0, 0, vsize.height());
        gradient.setColorAt(0, d->gradientStart);
        gradient.setColorAt(1, d->gradientEnd);
        bg.fillRect(d->background.rect(), gradient);
    }
    painter.drawImage(0, 0, d->background);

    const int scroll = verticalScrollBar()->value();
    const QRect exposed = event->rect();
    const int pitchY = d->cell.height() + kSpacing;
    const int firstRow = std::max(0, (exposed.top() + scroll - kSpacing) / pitchY);
    const int lastRow = (exposed.bottom() + scroll - kSpacing) / pitchY;
    const int captionH = captionHeight();
    const QFontMetrics fm = fontMetrics();

    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = 0; column < d->columns; ++column) {
            const qint64 index64 = qint64(row) * d->columns + column;
            if (index64 >= count())
                break;
            const int index = int(index64);
            const Entry& entry = d->entries[size_t(index)];
            const QRect cell = contentCellRect(index).translated(0, -scroll);
            if (!cell.intersects(exposed))
                continue;

            painter.fillRect(cell, entry.selected ? d->selectedBackground : d->cellBackground);

            const QRect area = imageArea(cell);
            QRect imageRect;
            if (entry.scaled.isNull()) {
                // The placeholder: a grey question mark on white.
                const int side = std::min(area.width(), area.height());
                imageRect = QRect(0, 0, side, side);
                imageRect.moveCenter(area.center());
                painter.fillRect(imageRect, Qt::white);
                QFont mark = font();
                mark.setBold(true);
                mark.setPixelSize(std::max(6, side * 2 / 3));
                painter.setFont(mark);
                painter.setPen(QColor(0x80, 0x80, 0x80));
                painter.drawText(imageRect, Qt::AlignCenter, QStringLiteral("?"));
                painter.setFont(font());
            } else {
                imageRect = QRect(QPoint(0, 0), entry.scaled.deviceIndependentSize().toSize());
                imageRect.moveCenter(area.center());
                painter.drawImage(imageRect.topLeft(), entry.scaled);
            }
            if (d->imageFrame) {
                painter.setPen(d->frameColour);
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(imageRect.adjusted(-1, -1, 0, 0));
            }

            const QRect captionRect(cell.left() + 2, cell.bottom() + 1 - captionH,
                                    cell.width() - 4, captionH);
            painter.setPen(entry.selected ? d->selectedText : QColor(Qt::black));
            painter.drawText(captionRect, Qt::AlignHCenter | Qt::AlignVCenter,
                             fm.elidedText(entry.item.caption, Qt::ElideRight, captionRect.width()));
        }
    }

    if (d->rubberBand) {
        const QRect band = d->band.translated(0, -scroll);
        painter.setPen(QColor(0x1F, 0x3A, 0x5F));
        painter.setBrush(QColor(0xFF, 0xFF, 0xFF, 60));
        painter.drawRect(band.adjusted(0, 0, -1, -1));
    }
}

} // namespace morvane
