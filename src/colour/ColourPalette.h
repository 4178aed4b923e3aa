#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

namespace morvane {

// The result swatch's drop-down palette: the standard colours, a row of
// hair tones and the desktop's own colours, in cells 8 pixels apart.
class ColourPalette : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 8;
    static constexpr int kCell = 18;
    static constexpr int kSpacing = 8;

    explicit ColourPalette(QWidget* parent = nullptr);

    const QList<QColor>& colours() const { return m_colours; }
    // The cell of colour `index`, in widget coordinates.
    QRect cellRect(int index) const;

    QSize sizeHint() const override;

signals:
    void picked(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QList<QColor> m_colours;
};

} // namespace morvane
