#pragma once

#include "printing/SheetPaging.h"

#include <QDialog>
#include <QImage>
#include <QList>

#include <functional>

class QAction;
class QPushButton;

namespace morvane {

class ContentPaths;

// One cell of the sheet: a white picture box that shows its picture zoomed
// to fit, smoothed or not, and keeps the picture at its own size.
class SheetCell : public QWidget {
    Q_OBJECT
public:
    SheetCell(int tag, bool smooth, QWidget* parent);

    int tag() const { return m_tag; }
    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture, const QImage& shown);
    // The picture zoomed to fit a cell of `cellSize`, centred later when painted.
    static QImage fitted(const QImage& picture, QSize cellSize, bool smooth);
    bool smooth() const { return m_smooth; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_tag;
    bool m_smooth;
    QImage m_picture;
    QImage m_shown;
};

// The print preview window "TF_PREVIEW2": up to eighteen pictures, six
// across and three down, each cell with a numbered button that saves its
// picture into the open person folder; the menu prints the sheet, pages
// through the preview pictures, and returns.
class PrintPreviewWindow : public QDialog {
    Q_OBJECT
public:
    // Portuguese menu captions when `portuguese`.
    explicit PrintPreviewWindow(bool portuguese, QWidget* parent = nullptr);

    // Opening with preview pictures: cells, buttons and counters as the
    // sheet's first page. Does not show the window.
    void fillWithPreviews(const ContentPaths& paths);
    // Opening with the person folder's gallery items 1 to 18 (no buttons,
    // no Next Screen). `personFolder` empty: nothing is found.
    void fillWithGallery(const QString& personFolder);
    // ProximaTela1Click.
    void nextScreen();

    bool galleryMode() const { return m_galleryMode; }
    int pageNumber() const { return m_paging.page(); }
    int nextPreviewNumber() const { return m_paging.nextNumber(); }

    SheetCell* cell(int tag) const;
    QPushButton* cellButton(int tag) const;
    QAction* menuAction(const QString& objectName) const;
    // The client area as painted on screen: cells, visible buttons, white background.
    QWidget* clientArea() const { return m_client; }
    QImage captureSheet() const;

    // ImageEnView0: the page work view the sheet print composes in.
    QImage& pageImage() { return m_page; }

signals:
    void printRequested();
    void cellSaveRequested(int tag);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenu(bool portuguese);
    void buildCells();
    void hideAll();
    // Shows the numbered pictures in their cells; `withButtons` shows and
    // captions each cell's button with the picture's number.
    void showCells(const SheetCells& cells, const std::function<QString(int)>& fileOf,
                   bool withButtons);

    QWidget* m_client = nullptr;
    QList<SheetCell*> m_cells;
    QList<QPushButton*> m_buttons;
    QAction* m_print = nullptr;
    QAction* m_next = nullptr;
    QAction* m_return = nullptr;
    SheetPaging m_paging;
    bool m_galleryMode = false;
    std::function<QString(int)> m_previewFile;
    QImage m_page;
};

} // namespace morvane
