#include "printing/PrintLayout.h"
#include "printing/SheetPage.h"
#include "printing/SheetPaging.h"

#include <QPainter>
#include <QSet>
#include <QTest>

using namespace morvane;

namespace {

// "p<page>:" then the numbers of the shown cells as "cell=number", e.g.
// "p1:1=1,2=2,4=4".
QString describe(const SheetCells& cells, int page)
{
    QStringList shown;
    for (int k = 1; k <= kSheetCells; ++k) {
        if (cells[k - 1] > 0)
            shown.append(QStringLiteral("%1=%2").arg(k).arg(cells[k - 1]));
    }
    return QStringLiteral("p%1:").arg(page) + shown.join(QLatin1Char(','));
}

QString run(int from, int to)
{
    QStringList cells;
    for (int n = from; n <= to; ++n)
        cells.append(QStringLiteral("%1=%2").arg(n - from + 1).arg(n));
    return cells.join(QLatin1Char(','));
}

// Cells from..to showing their own numbers.
QString same(int from, int to)
{
    QStringList cells;
    for (int n = from; n <= to; ++n)
        cells.append(QStringLiteral("%1=%1").arg(n));
    return cells.join(QLatin1Char(','));
}

} // namespace

class TestSheet : public QObject {
    Q_OBJECT
private slots:
    void pagingThroughPreviewPictures_data();
    void pagingThroughPreviewPictures();
    void gallerySheetLeavesGapsAndKeepsThePreviewCounter();
    void headerNamesSalonGroupTypeAndPage_data();
    void headerNamesSalonGroupTypeAndPage();
    void placementOnThePage_data();
    void placementOnThePage();
    void lengthsConvertBetweenUnits();
    void gammaCorrectsColoursAndKeepsAlpha();
    void sheetPageHasTheHeaderBandAndWhiteEdges();
};

void TestSheet::pagingThroughPreviewPictures_data()
{
    QTest::addColumn<QList<int>>("pictures");
    QTest::addColumn<QStringList>("sheets"); // opening, then each Next Screen

    QList<int> forty;
    for (int n = 1; n <= 40; ++n)
        forty.append(n);
    QTest::newRow("40 pictures")
        << forty
        << QStringList{"p1:" + run(1, 18), "p2:" + run(19, 36), "p3:" + run(37, 40),
                       "p1:" + run(1, 18)};
    QTest::newRow("18 pictures") << forty.mid(0, 18)
                                 << QStringList{"p1:" + run(1, 18), "p1:" + run(1, 18)};
    QTest::newRow("20 pictures")
        << forty.mid(0, 20)
        << QStringList{"p1:" + run(1, 18), "p2:" + run(19, 20), "p1:" + run(1, 18)};
    // A missing picture leaves its cell empty on opening; Next Screen then
    // starts again from picture 1 and stops before the gap, instead of
    // paging on through empty sheets for ever.
    QTest::newRow("1, 2 and 4")
        << QList<int>{1, 2, 4}
        << QStringList{QStringLiteral("p1:1=1,2=2,4=4"), QStringLiteral("p1:1=1,2=2"),
                       QStringLiteral("p1:1=1,2=2")};
    QTest::newRow("gap on the first sheet, more after it")
        << (QList<int>{1, 2} + forty.mid(3, 22)) // 1, 2, 4 ... 25
        << QStringList{"p1:1=1,2=2," + same(4, 18), "p2:" + run(19, 25), "p1:1=1,2=2"};
    QTest::newRow("none") << QList<int>{}
                          << QStringList{QStringLiteral("p1:"), QStringLiteral("p1:"),
                                         QStringLiteral("p1:")};
}

void TestSheet::pagingThroughPreviewPictures()
{
    QFETCH(QList<int>, pictures);
    QFETCH(QStringList, sheets);
    const QSet<int> present(pictures.begin(), pictures.end());
    const auto exists = [&present](int n) { return present.contains(n); };

    SheetPaging paging;
    const SheetCells opened = paging.open(exists);
    QCOMPARE(describe(opened, paging.page()), sheets.first());
    for (int step = 1; step < sheets.size(); ++step) {
        const SheetCells next = paging.nextScreen(exists);
        QCOMPARE(describe(next, paging.page()), sheets.at(step));
    }
}

void TestSheet::gallerySheetLeavesGapsAndKeepsThePreviewCounter()
{
    const QSet<int> items{2, 3, 7, 19, 25};
    SheetPaging paging;
    paging.open([](int n) { return n <= 20; });
    paging.nextScreen([](int n) { return n <= 20; });
    QCOMPARE(paging.page(), 2);
    QCOMPARE(paging.nextNumber(), 21);

    QCOMPARE(describe(gallerySheet([&items](int n) { return items.contains(n); }), 1),
             QStringLiteral("p1:2=2,3=3,7=7"));
    paging.restartPage();
    QCOMPARE(paging.page(), 1);
    QCOMPARE(paging.nextNumber(), 21);
}

void TestSheet::headerNamesSalonGroupTypeAndPage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("salon");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("header");
    QTest::newRow("English") << "EN" << "Studio Ana" << 2
                             << "Studio Ana - Styles2: Long and Dark - Page 2";
    QTest::newRow("Portuguese") << "BR" << "Studio Ana" << 1
                                << QString::fromUtf8("Studio Ana - Styles2: Long and Dark - Pág. 1");
    QTest::newRow("no settings") << "" << "" << 1 << " - Styles2: Long and Dark - Page 1";
}

void TestSheet::headerNamesSalonGroupTypeAndPage()
{
    QFETCH(QString, language);
    QFETCH(QString, salon);
    QFETCH(int, page);
    QFETCH(QString, header);
    QCOMPARE(sheetHeader(salon, QStringLiteral("Styles2"), QStringLiteral("Long and Dark"),
                         language, page),
             header);
}

void TestSheet::placementOnThePage_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QRectF>("expected"); // inches on a 10 x 8 inch page, 1 inch margins

    using P = PrintPosition;
    using S = PrintSize;
    // A 192 x 96 picture: 2 x 1 inches at its own size; the area inside the
    // margins is 8 x 6 inches from (1, 1).
    QTest::newRow("normal, top left") << int(S::Normal) << int(P::TopLeft) << 0
                                      << QRectF(1, 1, 2, 1);
    QTest::newRow("normal, centre") << int(S::Normal) << int(P::Center) << 0
                                    << QRectF(4, 3.5, 2, 1);
    QTest::newRow("normal, bottom right") << int(S::Normal) << int(P::BottomRight) << 0
                                          << QRectF(7, 6, 2, 1);
    QTest::newRow("fit, top centre") << int(S::FitToPage) << int(P::TopCenter) << 0
                                     << QRectF(1, 1, 8, 4);
    QTest::newRow("fit, bottom left") << int(S::FitToPage) << int(P::BottomLeft) << 0
                                      << QRectF(1, 3, 8, 4);
    QTest::newRow("stretch") << int(S::StretchToPage) << int(P::Center) << 0
                             << QRectF(1, 1, 8, 6);
    QTest::newRow("specified, centre right") << int(S::Specified) << int(P::CenterRight) << 0
                                             << QRectF(6, 2.5, 3, 3);
    // The same margins and size given in centimetres.
    QTest::newRow("specified in cm") << int(S::Specified) << int(P::TopLeft) << 1
                                     << QRectF(1, 1, 3, 3);
}

void TestSheet::placementOnThePage()
{
    QFETCH(int, size);
    QFETCH(int, position);
    QFETCH(int, unit);
    QFETCH(QRectF, expected);
    PrintOptions options;
    options.top = options.left = options.right = options.bottom = 1.0;
    options.specified = QSizeF(3, 3);
    options.size = static_cast<PrintSize>(size);
    options.position = static_cast<PrintPosition>(position);
    if (unit == 1)
        options = convertedTo(options, PrintUnit::Centimetres);

    const QRectF placed = printPlacement(QSizeF(10, 8), QSize(192, 96), options);
    QVERIFY2(qAbs(placed.x() - expected.x()) < 1e-9 && qAbs(placed.y() - expected.y()) < 1e-9
                 && qAbs(placed.width() - expected.width()) < 1e-9
                 && qAbs(placed.height() - expected.height()) < 1e-9,
             qPrintable(QStringLiteral("%1,%2 %3x%4").arg(placed.x()).arg(placed.y())
                            .arg(placed.width()).arg(placed.height())));
}

void TestSheet::lengthsConvertBetweenUnits()
{
    PrintOptions options;
    options.top = 1.0;
    options.specified = QSizeF(2.0, 0.5);
    const PrintOptions cm = convertedTo(options, PrintUnit::Centimetres);
    QCOMPARE(cm.top, 2.54);
    QCOMPARE(cm.specified, QSizeF(5.08, 1.27));
    const PrintOptions back = convertedTo(cm, PrintUnit::Inches);
    QVERIFY(qAbs(back.top - 1.0) < 1e-12);

    // Margins wider than the page leave no room, and nothing lands off the page.
    options.left = options.right = 20.0;
    const QRectF placed = printPlacement(QSizeF(8, 10), QSize(100, 100), options);
    QCOMPARE(placed.width(), 0.0);
    QVERIFY(placed.x() >= 0.0 && placed.x() <= 8.0);
}

void TestSheet::gammaCorrectsColoursAndKeepsAlpha()
{
    QImage picture(2, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(64, 0, 255, 200));
    picture.setPixel(1, 0, qRgba(128, 16, 240, 7));
    const QImage lighter = applyGamma(picture, 2.0);
    // 255 * sqrt(64 / 255) = 127.75; 255 * sqrt(16 / 255) = 63.87
    QCOMPARE(lighter.pixel(0, 0), qRgba(128, 0, 255, 200));
    QCOMPARE(qGreen(lighter.pixel(1, 0)), 64);
    QCOMPARE(qAlpha(lighter.pixel(1, 0)), 7);
    QCOMPARE(applyGamma(picture, 1.0), picture);
}

void TestSheet::sheetPageHasTheHeaderBandAndWhiteEdges()
{
    QImage captured(60, 30, QImage::Format_RGB32);
    captured.fill(qRgb(200, 10, 10));
    const QImage page = composeSheetPage(captured, QStringLiteral("Salon - Page 1"));
    QCOMPARE(page.size(), QSize(60, 50));
    QCOMPARE(page.format(), QImage::Format_RGB32);
    // The capture's border line (top row, left column) is painted over.
    QCOMPARE(page.pixel(0, 35), qRgb(255, 255, 255));
    QCOMPARE(page.pixel(30, kSheetHeaderBand), qRgb(255, 255, 255));
    QCOMPARE(page.pixel(1, kSheetHeaderBand + 1), qRgb(200, 10, 10));
    QCOMPARE(page.pixel(59, 49), qRgb(200, 10, 10));
    // The header: black text from x = 10 in the band, white left of it.
    bool dark = false;
    for (int y = 0; y < kSheetHeaderBand; ++y) {
        for (int x = 0; x < 60; ++x) {
            const bool isDark = qGray(page.pixel(x, y)) < 128;
            QVERIFY2(!isDark || x >= 10, "ink left of x = 10");
            dark = dark || isDark;
        }
    }
    QVERIFY(dark);
    QCOMPARE(composeSheetPage(captured, QString()).pixel(20, 8), qRgb(255, 255, 255));
}

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
