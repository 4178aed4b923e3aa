#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

namespace morvane {

// The thumbnail view shared by the four pages of the panel (photos,
// hairstyles, gallery items, previews): cells in a grid over a vertical
// gradient, each with an image, a caption at its foot and the file it came from.
class ThumbnailView : public QWidget {
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
    void setCellBorderColour(const QColor& colour);
    void setSelectedTextBackground(const QColor& colour);
    void setSelectedTextColour(const QColor& colour);
    void setImageFrame(bool drawFrame); // one-pixel silver frame around each image
    void setSelectionMode(Selection mode);

    // Cell size in pixels (square) and column count.
    void setThumbnailSize(int side);
    int thumbnailSize() const;
    void setColumns(int columns);

    // Contents.
    void clear();
    void append(Item item);
    void setItems(std::vector<Item> items);
    int count() const;
    const Item& item(int index) const;
    void moveItem(int from, int to);

    // Selection set by the program never emits itemPicked.
    QList<int> selectedIndexes() const;
    void setSelected(int index, bool selected = true);
    void clearSelection();

signals:
    // A selection made by the user, with the mouse or the keyboard.
    void itemPicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    struct State;
    std::unique_ptr<State> d;
};

} // namespace morvane
