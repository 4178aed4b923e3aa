#pragma once

#include <QColor>
#include <QTabBar>
#include <QTabWidget>

namespace morvane {

// One page of the thumbnail panel: the page area inside the panel's frame.
// The page draws its part of the frame (the left, right and bottom edges;
// the top edge belongs to the tab strip) and, when it has a brush colour,
// fills its page area with it. Content goes into contentLayout().
class TabSheet : public QWidget {
    Q_OBJECT
public:
    explicit TabSheet(const QString& objectName, QWidget* parent = nullptr);

    void setBrushColour(const QColor& colour);
    QColor brushColour() const { return m_brush; }
    // The page area: the page less the 4-pixel margin to the frame.
    QRect displayRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_brush;
};

// The tab strip of the thumbnail panel, drawn by the program in the two
// blues of the interface once the tab painter is installed.
class PaintedTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit PaintedTabBar(QWidget* parent = nullptr);

    void installTabPainter() { m_painterInstalled = true; update(); }
    bool tabPainterInstalled() const { return m_painterInstalled; }

    // Draws one tab: rounded top corners in the current brush with a white
    // outline, a grey shadow on its right edge, and the caption.
    static void drawTabShape(QPainter& painter, const QRect& rect, const QString& caption);

signals:
    // A user input event starts (true) or ends (false).
    void userInput(bool active);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool m_painterInstalled = false;
};

// The thumbnail panel "jvPageControl1". Page changes made by the program
// (setCurrentIndex) are silent; a change the user makes with the mouse or
// the keyboard emits userChangedPage.
class PageControl : public QTabWidget {
    Q_OBJECT
public:
    static const QColor kStripColour;    // #4296E7
    static const QColor kInactiveColour; // #ADD8E6
    static const QColor kDarkEdge;       // #808080

    explicit PageControl(QWidget* parent = nullptr);

    TabSheet* addSheet(const QString& objectName, const QString& caption);
    TabSheet* sheet(int index) const;
    int indexOfSheet(const QString& objectName) const;

    PaintedTabBar* paintedTabBar() const { return m_tabBar; }
    void installTabPainter();

signals:
    void userChangedPage(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    PaintedTabBar* m_tabBar;
    int m_userInput = 0;
};

} // namespace morvane
