#pragma once

#include <QImage>
#include <QWidget>

namespace morvane {

// "Image6b": the side picture, drawn at its own size in the middle of the
// view, scaled down (aspect kept) when the view is smaller. No scroll bars.
class SidePictureView : public QWidget {
    Q_OBJECT
public:
    explicit SidePictureView(QWidget* parent = nullptr);

    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};

// The side view window "TF_SIDE": a small top-level window that stays on
// top, with a fixed border and only a close button. Created hidden once
// and kept for the whole run; closing it only hides it.
class SideViewWindow : public QWidget {
    Q_OBJECT
public:
    explicit SideViewWindow(QWidget* parent = nullptr);

    // Where the window first appears (left, top of its frame).
    static constexpr QPoint kFirstPosition{679, 98};
    // The client size as designed for a 120 dots-per-inch screen.
    static constexpr QSize kDesignedClientSize{277, 398};
    // The designed client size on a screen of `dotsPerInch`.
    static QSize designedClientSize(qreal dotsPerInch);

    SidePictureView* pictureView() const { return m_view; }
    // The picture, keeping the window's size.
    void setPicture(const QImage& picture);
    // The client area takes `size`; the border stays fixed.
    void setClientSize(QSize size);

signals:
    // The window was closed (its close box); it is hidden now.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    SidePictureView* m_view;
};

} // namespace morvane
