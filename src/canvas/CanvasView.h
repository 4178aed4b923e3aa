#pragma once

#include <QColor>
#include <QWidget>

#include <memory>

namespace morvane {

class Composition;

// Draws the composition at the zoom over the canvas's gradient background.
class CanvasView : public QWidget {
    Q_OBJECT
public:
    explicit CanvasView(Composition& composition, QWidget* parent = nullptr);
    ~CanvasView() override;

    void setGradientColours(const QColor& start, const QColor& end);

    // Zoom in percent; 100 shows one photo pixel per screen pixel.
    double zoom() const;
    void setZoom(double percent);
    // The zoom that shows the whole photo layer inside the view.
    void fitToView();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct State;
    std::unique_ptr<State> d;
    Composition& m_composition;
};

} // namespace morvane
