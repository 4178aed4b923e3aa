#include "library/ThumbnailView.h"
#include "common/Error.h"

#include <QScrollBar>

#include <QSignalSpy>
#include <QTest>

using morvane::ThumbnailView;
using Selection = ThumbnailView::Selection;

namespace {

// A view of `n` items "1" … "n" with 90 x 90 cells in 3 columns, shown.
struct Fixture {
    explicit Fixture(int n, Selection mode)
    {
        view.resize(314, 400);
        view.setSelectionMode(mode);
        for (int i = 1; i <= n; ++i) {
            QImage image(60, 40, QImage::Format_RGB32);
            image.fill(QColor::fromHsv((i * 30) % 360, 200, 220));
            view.append({QStringLiteral("/photos/%1.jpg").arg(i), image, QString::number(i)});
        }
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setFocus();
    }
    void click(int index, Qt::KeyboardModifiers mods = {})
    {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, mods, view.cellRect(index).center());
    }
    ThumbnailView view;
};

QList<int> pickedIndexes(const QSignalSpy& spy)
{
    QList<int> result;
    for (const QList<QVariant>& args : spy)
        result.append(args.at(0).toInt());
    return result;
}

} // namespace

class TestThumbnailView : public QObject {
    Q_OBJECT
private slots:
    void hitTestOfGrid();
    void selectedCellsShownByColour();
    void userClickPicksProgramSelectionDoesNot();
    void keysInSingleModePick_data();
    void keysInSingleModePick();
    void noneModeIgnoresMouseAndKeys();
    void multipleModeModifiers();
    void dragRectangleSelectsOnRelease();
    void moveItemCarriesSelection();
    void scrollBarAppearsWhenCellsDoNotFit();
    void nullImageAndTinySizesDoNotBreak();
};

void TestThumbnailView::hitTestOfGrid()
{
    Fixture f(7, Selection::Single);
    ThumbnailView& v = f.view;
    QCOMPARE(v.thumbnailSize(), 90);
    QCOMPARE(v.columns(), 3);
    // Three cells per row, the fourth starts the second row.
    QCOMPARE(v.cellRect(0).size(), QSize(90, 90));
    QCOMPARE(v.cellRect(1).top(), v.cellRect(0).top());
    QVERIFY(v.cellRect(1).left() > v.cellRect(0).right());
    QCOMPARE(v.cellRect(3).left(), v.cellRect(0).left());
    QVERIFY(v.cellRect(3).top() > v.cellRect(0).bottom());
    for (int i = 0; i < v.count(); ++i) {
        const QRect r = v.cellRect(i);
        QCOMPARE(v.indexAt(r.center()), i);
        QCOMPARE(v.indexAt(r.topLeft()), i);
        QCOMPARE(v.indexAt(r.bottomRight()), i);
    }
    // Gaps between cells, the empty end of the last row and outside the grid.
    QCOMPARE(v.indexAt(v.cellRect(0).topRight() + QPoint(1, 0)), -1);
    QCOMPARE(v.indexAt(v.cellRect(0).bottomLeft() + QPoint(0, 1)), -1);
    QCOMPARE(v.indexAt(v.cellRect(6).center() + QPoint(v.cellRect(1).left() - v.cellRect(0).left(), 0)), -1);
    QCOMPARE(v.indexAt(QPoint(0, 0)), -1);
}

namespace {
bool hasColour(const QImage& shot, const QRect& area, const QColor& colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (shot.pixelColor(x, y) == colour)
                return true;
    return false;
}
} // namespace

void TestThumbnailView::selectedCellsShownByColour()
{
    Fixture f(4, Selection::Multiple);
    f.view.setSelected(1);
    const QImage shot = f.view.grab().toImage(); // the viewport sits at 0, 0
    const QColor silver(0xC0, 0xC0, 0xC0), lightBlue(0xAD, 0xD8, 0xE6);
    const QRect normal = f.view.cellRect(0), selected = f.view.cellRect(1);
    QCOMPARE(shot.pixelColor(normal.topLeft() + QPoint(1, 1)), silver);
    QCOMPARE(shot.pixelColor(selected.topLeft() + QPoint(1, 1)), lightBlue);
    // Captions at the foot: black on silver, red on light blue.
    const QRect foot(0, normal.height() - 20, normal.width(), 20);
    QVERIFY(hasColour(shot, foot.translated(normal.topLeft()), Qt::black));
    QVERIFY(!hasColour(shot, foot.translated(normal.topLeft()), Qt::red));
    QVERIFY(hasColour(shot, foot.translated(selected.topLeft()), Qt::red));
    QCOMPARE(shot.pixelColor(selected.bottomLeft() + QPoint(1, -1)), lightBlue);
    // No frame around a selected cell: its outermost pixels keep the colour.
    QCOMPARE(shot.pixelColor(selected.topLeft()), lightBlue);
    // The background: the gradient from light blue at the top to #4296E7.
    const QColor top = shot.pixelColor(1, 0);
    const QColor bottom = shot.pixelColor(1, shot.height() - 1);
    QVERIFY(qAbs(top.red() - 0xAD) <= 2 && qAbs(top.green() - 0xD8) <= 2);
    QVERIFY(qAbs(bottom.red() - 0x42) <= 3 && qAbs(bottom.green() - 0x96) <= 3);

    f.view.setCellBackground(Qt::yellow);
    f.view.setSelectedTextBackground(Qt::green);
    const QImage recoloured = f.view.grab().toImage();
    QCOMPARE(recoloured.pixelColor(normal.topLeft() + QPoint(1, 1)), QColor(Qt::yellow));
    QCOMPARE(recoloured.pixelColor(selected.topLeft() + QPoint(1, 1)), QColor(Qt::green));
}

void TestThumbnailView::userClickPicksProgramSelectionDoesNot()
{
    Fixture f(6, Selection::Single);
    QSignalSpy picked(&f.view, &ThumbnailView::itemPicked);
    f.view.setSelected(2);
    f.view.clearSelection();
    f.view.setSelected(4);
    QCOMPARE(picked.count(), 0);
    QCOMPARE(f.view.selectedIndexes(), QList<int>{4});

    f.click(1);
    QCOMPARE(pickedIndexes(picked), QList<int>{1});
    QCOMPARE(f.view.selectedIndexes(), QList<int>{1});

    // A click between cells picks nothing and keeps the selection.
    QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, f.view.cellRect(0).topRight() + QPoint(2, 0));
    QCOMPARE(picked.count(), 1);
    QCOMPARE(f.view.selectedIndexes(), QList<int>{1});
}

void TestThumbnailView::keysInSingleModePick_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected"); // -1: no pick
    QTest::newRow("right") << 4 << int(Qt::Key_Right) << 5;
    QTest::newRow("left") << 4 << int(Qt::Key_Left) << 3;
    QTest::newRow("down a row") << 4 << int(Qt::Key_Down) << 7;
    QTest::newRow("up a row") << 4 << int(Qt::Key_Up) << 1;
    QTest::newRow("home") << 4 << int(Qt::Key_Home) << 0;
    QTest::newRow("end") << 4 << int(Qt::Key_End) << 9;
    QTest::newRow("left at first") << 0 << int(Qt::Key_Left) << -1;
    QTest::newRow("right at last") << 9 << int(Qt::Key_Right) << -1;
    QTest::newRow("down from last row") << 8 << int(Qt::Key_Down) << -1;
}

void TestThumbnailView::keysInSingleModePick()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, expected);
    Fixture f(10, Selection::Single);
    f.click(start);
    QSignalSpy picked(&f.view, &ThumbnailView::itemPicked);
    QTest::keyClick(&f.view, Qt::Key(key));
    if (expected < 0) {
        QCOMPARE(picked.count(), 0);
        QCOMPARE(f.view.selectedIndexes(), QList<int>{start});
    } else {
        QCOMPARE(pickedIndexes(picked), QList<int>{expected});
        QCOMPARE(f.view.selectedIndexes(), QList<int>{expected});
    }
}

void TestThumbnailView::noneModeIgnoresMouseAndKeys()
{
    Fixture f(6, Selection::None);
    QSignalSpy picked(&f.view, &ThumbnailView::itemPicked);
    QSignalSpy changed(&f.view, &ThumbnailView::selectionChanged);
    f.click(2);
    f.click(3, Qt::ControlModifier);
    QTest::keyClick(&f.view, Qt::Key_Right);
    QTest::keyClick(&f.view, Qt::Key_End);
    QCOMPARE(picked.count(), 0);
    QCOMPARE(changed.count(), 0);
    QVERIFY(f.view.selectedIndexes().isEmpty());
}

void TestThumbnailView::multipleModeModifiers()
{
    Fixture f(9, Selection::Multiple);
    QSignalSpy picked(&f.view, &ThumbnailView::itemPicked);
    f.click(1);
    f.click(4, Qt::ControlModifier);
    f.click(7, Qt::ControlModifier);
    QCOMPARE(f.view.selectedIndexes(), (QList<int>{1, 4, 7}));
    f.click(4, Qt::ControlModifier); // toggles off
    QCOMPARE(f.view.selectedIndexes(), (QList<int>{1, 7}));
    f.click(3);                      // a plain click selects one
    QCOMPARE(f.view.selectedIndexes(), QList<int>{3});
    f.click(6, Qt::ShiftModifier);   // extends from the last click
    QCOMPARE(f.view.selectedIndexes(), (QList<int>{3, 4, 5, 6}));
    f.click(1, Qt::ShiftModifier);   // the anchor stays at 3
    QCOMPARE(f.view.selectedIndexes(), (QList<int>{1, 2, 3}));
    // Every click on a cell is a pick, for the page to act on.
    QCOMPARE(pickedIndexes(picked), (QList<int>{1, 4, 7, 4, 3, 6, 1}));

    // Keyboard moves the selection but is no pick here.
    QTest::keyClick(&f.view, Qt::Key_Right);
    QCOMPARE(f.view.selectedIndexes(), QList<int>{2});
    QTest::keyClick(&f.view, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(f.view.selectedIndexes(), (QList<int>{2, 3, 4, 5}));
    QCOMPARE(picked.count(), 7);

    // The program may select several at once.
    f.view.clearSelection();
    f.view.setSelected(0);
    f.view.setSelected(8);
    QCOMPARE(f.view.selectedIndexes(), (QList<int>{0, 8}));
    QCOMPARE(picked.count(), 7);
}

void TestThumbnailView::dragRectangleSelectsOnRelease()
{
    Fixture f(9, Selection::Multiple);
    QSignalSpy picked(&f.view, &ThumbnailView::itemPicked);
    f.view.setSelected(8);
    QWidget* vp = f.view.viewport();
    // From the gap left of cell 0 to the middle of cell 4: cells 0, 1, 3, 4.
    const QPoint from = f.view.cellRect(0).topLeft() - QPoint(3, 3);
    const QPoint to = f.view.cellRect(4).center();
    QTest::mousePress(vp, Qt::LeftButton, {}, from);
    QTest::mouseMove(vp, from + QPoint(20, 20));
    QTest::mouseMove(vp, to);
    QCOMPARE(f.view.selectedIndexes(), QList<int>{8}); // nothing until release
    QTest::mouseRelease(vp, Qt::LeftButton, {}, to);
    QCOMPARE(f.view.selectedIndexes(), (QList<int>{0, 1, 3, 4}));
    QCOMPARE(picked.count(), 0);

    // With Ctrl the rectangle adds to the selection.
    const QPoint from2 = f.view.cellRect(8).bottomRight() + QPoint(2, 2);
    const QPoint to2 = f.view.cellRect(8).center();
    QTest::mousePress(vp, Qt::LeftButton, Qt::ControlModifier, from2);
    QTest::mouseMove(vp, from2 - QPoint(20, 20));
    QTest::mouseMove(vp, to2);
    QTest::mouseRelease(vp, Qt::LeftButton, Qt::ControlModifier, to2);
    QCOMPARE(f.view.selectedIndexes(), (QList<int>{0, 1, 3, 4, 8}));

    // A Single view has no rectangle: a drag off a cell selects nothing.
    f.view.setSelectionMode(Selection::Single);
    f.view.clearSelection();
    QTest::mousePress(vp, Qt::LeftButton, {}, from);
    QTest::mouseMove(vp, to);
    QTest::mouseRelease(vp, Qt::LeftButton, {}, to);
    QVERIFY(f.view.selectedIndexes().isEmpty());
    QCOMPARE(picked.count(), 0);
}

void TestThumbnailView::moveItemCarriesSelection()
{
    Fixture f(5, Selection::Single);
    f.view.setSelected(1);
    f.view.moveItem(1, 3); // 1 3 4 2 5
    QStringList captions;
    for (int i = 0; i < f.view.count(); ++i)
        captions << f.view.item(i).caption;
    QCOMPARE(captions, (QStringList{"1", "3", "4", "2", "5"}));
    QCOMPARE(f.view.item(3).path, QStringLiteral("/photos/2.jpg"));
    QCOMPARE(f.view.selectedIndexes(), QList<int>{3});

    f.view.moveItem(4, 0); // 5 1 3 4 2
    captions.clear();
    for (int i = 0; i < f.view.count(); ++i)
        captions << f.view.item(i).caption;
    QCOMPARE(captions, (QStringList{"5", "1", "3", "4", "2"}));
    QCOMPARE(f.view.selectedIndexes(), QList<int>{4});
    // The keyboard continues from the moved item.
    QSignalSpy picked(&f.view, &ThumbnailView::itemPicked);
    QTest::keyClick(&f.view, Qt::Key_Left);
    QCOMPARE(pickedIndexes(picked), QList<int>{3});

    QVERIFY_THROWS_EXCEPTION(morvane::Error, f.view.moveItem(0, 5));
    QVERIFY_THROWS_EXCEPTION(morvane::Error, f.view.item(-1));
}

void TestThumbnailView::scrollBarAppearsWhenCellsDoNotFit()
{
    Fixture f(30, Selection::Single); // 10 rows of 96 px in a 400 px view
    QScrollBar* bar = f.view.verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    const QRect before = f.view.cellRect(0);
    QTest::keyClick(&f.view, Qt::Key_End);
    QVERIFY(bar->value() > 0);
    QVERIFY(f.view.viewport()->rect().contains(f.view.cellRect(29)));
    QCOMPARE(f.view.cellRect(0).top(), before.top() - bar->value());
    // The hit test follows the scroll.
    QCOMPARE(f.view.indexAt(f.view.cellRect(27).center()), 27);

    f.view.setThumbnailSize(40);
    f.view.setColumns(6);
    QCOMPARE(bar->maximum(), 0);
}

void TestThumbnailView::nullImageAndTinySizesDoNotBreak()
{
    Fixture f(2, Selection::Single);
    f.view.append({QStringLiteral("/photos/broken.jpg"), QImage(), QStringLiteral("broken")});
    QCOMPARE(f.view.count(), 3);
    f.view.setThumbnailSize(0);
    f.view.setColumns(0);
    QCOMPARE(f.view.thumbnailSize(), 1);
    QCOMPARE(f.view.columns(), 1);
    f.view.grab(); // paints every cell
    f.view.setThumbnailSize(185);
    f.view.scrollToItem(2);
    const QImage shot = f.view.grab().toImage();
    // The placeholder's white shows in the third cell, above its caption.
    const QRect cell = f.view.cellRect(2);
    QVERIFY(f.view.viewport()->rect().contains(cell));
    const QPoint at = f.view.viewport()->mapTo(&f.view, cell.center() - QPoint(0, 30));
    QCOMPARE(shot.pixelColor(at), QColor(Qt::white));
    // An ordinary cell has no white there.
    const QPoint other = f.view.viewport()->mapTo(&f.view, f.view.cellRect(1).center() - QPoint(0, 30));
    if (f.view.viewport()->rect().contains(f.view.cellRect(1).center()))
        QVERIFY(shot.pixelColor(other) != QColor(Qt::white));
}

QTEST_MAIN(TestThumbnailView)
#include "tst_thumbnailview.moc"
