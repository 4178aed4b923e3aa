#include "common/Error.h"
#include "imaging/ImageIO.h"
#include "library/StylesPage.h"
#include "library/ThumbnailView.h"
#include "support/TempContent.h"

#include <QDir>
#include <QLabel>
#include <QTest>
#include <QToolButton>

using namespace morvane;
using morvane::test::TempContent;
using morvane::test::makeHairImage;

namespace {

// Writes the named hairstyle files into one folder and returns their full
// paths in the order given (standing for the order a folder listing gives).
QStringList writeHairstyles(const QString& folder, const QStringList& names)
{
    QDir().mkpath(folder);
    QStringList paths;
    for (const QString& name : names) {
        const QString path = folder + QLatin1Char('/') + name;
        imaging::writeImage(path, makeHairImage(QSize(20, 24)));
        paths.append(path);
    }
    return paths;
}

QStringList captions(const ThumbnailView& view)
{
    QStringList result;
    for (int i = 0; i < view.count(); ++i)
        result.append(view.item(i).caption);
    return result;
}

QStringList split(const char* text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

class TestStylesPage : public QObject {
    Q_OBJECT
private slots:
    void orderingStep_data();
    void orderingStep();
    void aCaptionThatIsNoNumberStopsTheOrdering();
    void refreshListsTheFolderAndKeepsUndecodableFiles();
    void selectionTextAndButtons();
};

void TestStylesPage::orderingStep_data()
{
    QTest::addColumn<QStringList>("found");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("with a gap, in name order")
        << split("1.PNG 10.PNG 2.PNG 3.PNG 5.PNG") << split("1 2 10 3 5");
    QTest::newRow("1 to 12 in name order")
        << split("1.PNG 10.PNG 11.PNG 12.PNG 2.PNG 3.PNG 4.PNG 5.PNG 6.PNG 7.PNG 8.PNG 9.PNG")
        << split("1 2 3 4 5 6 7 8 9 10 11 12");
    QTest::newRow("reversed, lower-case extension")
        << split("4.png 3.png 2.PNG 1.PNG") << split("1 2 3 4");
}

void TestStylesPage::orderingStep()
{
    QFETCH(QStringList, found);
    QFETCH(QStringList, shown);
    QTemporaryDir dir;
    StylesPage page;
    page.showHairstyles(writeHairstyles(dir.path(), found));
    QCOMPARE(captions(*page.view()), shown);
    for (int i = 0; i < page.view()->count(); ++i) {
        const ThumbnailView::Item& item = page.view()->item(i);
        QVERIFY(item.path.startsWith(dir.path() + QLatin1Char('/') + item.caption + QLatin1Char('.')));
        QCOMPARE(item.image.isNull(), false);
    }
    QVERIFY(page.view()->selectedIndexes().isEmpty());
}

void TestStylesPage::aCaptionThatIsNoNumberStopsTheOrdering()
{
    QTemporaryDir dir;
    StylesPage page;
    // Count 3: n = 3 moves "3" to the end, then n = 2 reads "x" first and fails.
    const QStringList files = writeHairstyles(dir.path(), split("x.PNG 1.PNG 3.PNG"));
    try {
        page.showHairstyles({files[2], files[0], files[1]});
        QFAIL("no error for a caption that is not a number");
    } catch (const Error& error) {
        QCOMPARE(error.message(), QStringLiteral("'x' is not a valid integer value"));
    }
    QCOMPARE(captions(*page.view()), split("x 1 3"));
}

void TestStylesPage::refreshListsTheFolderAndKeepsUndecodableFiles()
{
    TempContent content;
    const QString group = QStringLiteral("Styles3");
    const QString type = QStringLiteral("Long and Dark");
    for (int n : {2, 1, 3})
        content.addHairstyle(group, type, n);
    content.writeFile(QStringLiteral("Styles3/Long and Dark/4.PNG"), "not a picture");
    content.writeFile(QStringLiteral("Styles3/Long and Dark/notes.txt"), "text");
    StylesPage page;
    page.refresh(content.paths(), group, type);
    QCOMPARE(captions(*page.view()), split("1 2 3 4"));
    QVERIFY(!page.view()->item(0).image.isNull());
    QVERIFY(page.view()->item(3).image.isNull()); // the placeholder

    page.refresh(content.paths(), group, QStringLiteral("For Men")); // empty folder
    QCOMPARE(page.view()->count(), 0);
    page.refresh(content.paths(), QString(), type); // no style group
    QCOMPARE(page.view()->count(), 0);
}

void TestStylesPage::selectionTextAndButtons()
{
    StylesPage page;
    page.setSelectionText(QStringLiteral("Styles3"), QStringLiteral("Long and Dark"));
    QCOMPARE(page.selectionLabel()->text(), QStringLiteral("Styles3: Long and Dark"));
    QCOMPARE(page.styleGroupButtons().size(), 8);
    QCOMPARE(page.hairTypeButtons().size(), 7);
    for (QToolButton* button : page.hairTypeButtons())
        QVERIFY(!button->icon().isNull());

    QStringList groups;
    QList<int> types;
    connect(&page, &StylesPage::styleGroupClicked, [&](const QString& g) { groups.append(g); });
    connect(&page, &StylesPage::hairTypeClicked, [&](int i) { types.append(i); });
    page.styleGroupButtons().at(7)->click();
    page.styleGroupButtons().at(7)->click(); // pressing the pressed button again counts too
    page.hairTypeButtons().at(5)->click();
    QCOMPARE(groups, (QStringList{QStringLiteral("User"), QStringLiteral("User")}));
    QCOMPARE(types, QList<int>{5});
    QVERIFY(page.styleGroupButtons().at(7)->isChecked());
    QVERIFY(!page.styleGroupButtons().at(6)->isChecked());
}

QTEST_MAIN(TestStylesPage)
#include "tst_stylespage.moc"
