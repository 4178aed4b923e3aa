#include "canvas/Composition.h"
#include "canvas/LayerMerge.h"

#include <QTest>

using morvane::Composition;

namespace {

// A 40 x 30 grey photo with a 20 x 20 hair layer: left half opaque red,
// right half fully transparent, placed at `at`.
void makeScene(Composition& c, QPoint at)
{
    QImage photo(40, 30, QImage::Format_RGB32);
    photo.fill(QColor(100, 100, 100));
    c.photo().image = photo;
    c.addHairLayer();
    QImage hair(20, 20, QImage::Format_ARGB32);
    hair.fill(Qt::transparent);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 10; ++x)
            hair.setPixelColor(x, y, QColor(255, 0, 0));
    c.hair().image = hair;
    c.hair().position = at;
}

} // namespace

class TestLayerMerge : public QObject {
    Q_OBJECT
private slots:
    void mergeCoversBothRectangles();
    void cutToPhotoKeepsPhotoSize();
    void hiddenHairIsStillMerged();
    void photoAloneWithoutHairLayer();
};

void TestLayerMerge::mergeCoversBothRectangles()
{
    Composition c;
    makeScene(c, QPoint(-5, 20));
    QRect area;
    const QImage merged = morvane::mergeLayers(c, &area);
    QCOMPARE(area, QRect(-5, 0, 45, 40));
    QCOMPARE(merged.size(), QSize(45, 40));
    QCOMPARE(merged.format(), QImage::Format_ARGB32);
    QCOMPARE(merged.pixelColor(0, 0).alpha(), 0);                       // neither layer
    QCOMPARE(merged.pixelColor(0, 25), QColor(255, 0, 0));              // hair outside photo
    QCOMPARE(merged.pixelColor(5 + 12, 25), QColor(100, 100, 100));     // transparent hair over photo
    QCOMPARE(merged.pixelColor(44, 39).alpha(), 0);
}

void TestLayerMerge::cutToPhotoKeepsPhotoSize()
{
    Composition c;
    makeScene(c, QPoint(-5, 20));
    const QImage cut = morvane::mergedCutToPhoto(c);
    QCOMPARE(cut.size(), QSize(40, 30));
    QCOMPARE(cut.pixelColor(0, 25), QColor(255, 0, 0));
    QCOMPARE(cut.pixelColor(0, 10), QColor(100, 100, 100));
    QCOMPARE(cut.pixelColor(10, 25), QColor(100, 100, 100));
}

void TestLayerMerge::hiddenHairIsStillMerged()
{
    Composition c;
    makeScene(c, QPoint(0, 0));
    c.hair().visible = false;
    c.hair().shownWidth = 40; // stretched: the opaque half now covers x 0..19
    c.hair().shownHeight = 20;
    const QImage cut = morvane::mergedCutToPhoto(c);
    QCOMPARE(cut.pixelColor(5, 5), QColor(255, 0, 0));
    QCOMPARE(cut.pixelColor(30, 5), QColor(100, 100, 100));
}

void TestLayerMerge::photoAloneWithoutHairLayer()
{
    Composition c;
    QImage photo(8, 6, QImage::Format_RGB32);
    photo.fill(QColor(1, 2, 3));
    c.photo().image = photo;
    const QImage cut = morvane::mergedCutToPhoto(c);
    QCOMPARE(cut.size(), QSize(8, 6));
    QCOMPARE(cut.pixelColor(7, 5), QColor(1, 2, 3));
}

QTEST_GUILESS_MAIN(TestLayerMerge)
#include "tst_layermerge.moc"
