#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

namespace morvane {

// The thumbnail view shared by the four pages of the panel (photos,
// hairstyles, gallery items, previews): cells in a grid over a vertical
// gradient, each with an image, a caption at its foot and the file it came from.
//
// Each image is scaled to its cell once, when it is added or the cell size
// changes; painting only blits. Mouse events arrive on viewport().
class ThumbnailView : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class Selection { None, Single, Multiple };

    struct Item {
        QString path;
        QImage image; // null: the placeholder for a file that could not be decoded
        QString caption;
    };

    explicit ThumbnailView(QWidget* parent = nullptr);
    ~ThumbnailView() override;

    // Look, set once at start.
    void setGradientColours(const QColor& start, const QColor& end);
    void setCellBackground(const QColor& colour);
    // Stored; with the border width 0 no border is drawn.
    void setCellBorderColour(const QColor& colour);
    QColor cellBorderColour() const;
    void setSelectedTextBackground(const QColor& colour);
    void setSelectedTextColour(const QColor& colour);
    void setImageFrame(bool drawFrame); // one-pixel silver frame around each image
    void setSelectionMode(Selection mode);
    Selection selectionMode() const;

    // Cell size in pixels (square) and column count. A size below 1 is
    // taken as 1 and a column count below 1 as 1.
    void setThumbnailSize(int side);
    // Width and height apart (a size spin changes the width only).
    void setThumbnailSize(int width, int height);
    int thumbnailSize() const; // the cell width
    QSize cellSize() const;
    void setColumns(int columns);
    int columns() const;

    // Contents. Adding items leaves the selection as it is.
    void clear();
    void append(Item item);
    void setItems(std::vector<Item> items);
    int count() const;
    const Item& item(int index) const;
    // Moves the item at `from` to index `to`, its selection going with it.
    void moveItem(int from, int to);

    // Selection set by the program never emits itemPicked.
    QList<int> selectedIndexes() const;
    bool isSelected(int index) const;
    void setSelected(int index, bool selected = true);
    void clearSelection();
    // The item the keyboard moves from (-1: none).
    int currentIndex() const;

    // Layout, in viewport coordinates at the current scroll position.
    int indexAt(const QPoint& viewportPoint) const; // -1 off every cell
    QRect cellRect(int index) const;
    void scrollToItem(int index);

signals:
    // A selection made by the user, with the mouse or the keyboard (the
    // keyboard only in Single mode).
    void itemPicked(int index);
    // Any change of the selected set, by the user or the program.
    void selectionChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct State;
    std::unique_ptr<State> d;

    void relayout();
    void rescaleAll();
    void rescale(int index);
    QRect imageArea(const QRect& cell) const;
    int captionHeight() const;
    QRect contentCellRect(int index) const; // without the scroll offset
    int gridLeft() const;
    void selectOnly(int index);
    void selectRange(int from, int to, bool keepOthers);
    void moveCurrentByKey(int target, Qt::KeyboardModifiers modifiers);
};

} // namespace morvane
