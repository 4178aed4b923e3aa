#include "common/Error.h"
#include "library/ContentPaths.h"
#include "library/HairTypes.h"
#include "library/HairstyleNumbers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace morvane;

class ContentPathsTest : public QObject {
    Q_OBJECT

private slots:
    void paths()
    {
        const ContentPaths paths(QStringLiteral("/opt/salon"));
        QCOMPARE(paths.root(), QStringLiteral("/opt/salon/"));
        QCOMPARE(paths.settingsFile(), QStringLiteral("/opt/salon/morvane2010.ini"));
        QCOMPARE(paths.photosFolder(), QStringLiteral("/opt/salon/Photos"));
        QCOMPARE(paths.hairTypeFolder(QStringLiteral("Styles3"), QStringLiteral("Long and Dark")),
                 QStringLiteral("/opt/salon/Styles3/Long and Dark"));
        QCOMPARE(paths.hairstyleFile(QStringLiteral("User"), QStringLiteral("For Men"), 12),
                 QStringLiteral("/opt/salon/User/For Men/12.PNG"));
        QCOMPARE(paths.hairstyleSearchPattern(QStringLiteral("Styles7"), QStringLiteral("Short and Light")),
                 QStringLiteral("/opt/salon/Styles7/Short and Light/*.PNG"));
        QCOMPARE(paths.sidePictureFile(QStringLiteral("For Men"), 10),
                 QStringLiteral("/opt/salon/Styles6b/For Men/10.JPG"));
        QCOMPARE(paths.personFolder(QStringLiteral("Ana")), QStringLiteral("/opt/salon/Gallery/Ana"));
        QCOMPARE(paths.previewFile(3), QStringLiteral("/opt/salon/Preview/3.png"));
        QCOMPARE(paths.pasteFile(), QStringLiteral("/opt/salon/Temp/paste.jpg"));
        QCOMPARE(ContentPaths(QStringLiteral("/opt/salon/")).root(), QStringLiteral("/opt/salon/"));
    }

    void caseInsensitiveFallback()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("styles7/Short and Light")));
        QFile file(dir.filePath(QStringLiteral("styles7/Short and Light/7.png")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const ContentPaths paths(dir.path());
        const QString asked = paths.hairstyleFile(QStringLiteral("Styles7"), QStringLiteral("Short and Light"), 7);
        QCOMPARE(resolveIgnoringCase(asked), dir.filePath(QStringLiteral("styles7/Short and Light/7.png")));
        const QString missing = paths.hairstyleFile(QStringLiteral("Styles7"), QStringLiteral("Short and Light"), 8);
        QCOMPARE(resolveIgnoringCase(missing), missing);
        QCOMPARE(resolveIgnoringCase(file.fileName()), file.fileName());
    }

    void names()
    {
        QCOMPARE(hairTypeNames().size(), 7);
        QCOMPARE(hairTypeIndex(QStringLiteral("For Men")), 6);
        QCOMPARE(hairTypeIndex(QStringLiteral("for men")), -1);
        QVERIFY(isStyleGroupName(QStringLiteral("User")));
        QVERIFY(!isStyleGroupName(QStringLiteral("styles1")));
        QVERIFY(!isStyleGroupName(QStringLiteral("Styles6b")));
    }

    void hairstyleNumbers_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("number");
        QTest::newRow("one digit") << "7.png" << "7" << "7";
        QTest::newRow("two digits") << "12.PNG" << "12" << "12";
        QTest::newRow("three digits") << "123.png" << "123" << "123";
        QTest::newRow("leading zero") << "01.PNG" << "01" << "01";
        QTest::newRow("four-letter extension") << "7.jpeg" << "7." << "7";
    }

    void hairstyleNumbers()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, caption);
        QFETCH(QString, number);
        QCOMPARE(hairstyleCaption(fileName), caption);
        QCOMPARE(hairstyleNumberOfFileName(fileName), number);
    }

    void ordering_data()
    {
        QTest::addColumn<QStringList>("found");
        QTest::addColumn<QStringList>("ordered");
        QTest::newRow("name order 1..12")
            << QStringList{"1", "10", "11", "12", "2", "3", "4", "5", "6", "7", "8", "9"}
            << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
        QTest::newRow("shuffled") << QStringList{"3", "1", "2"} << QStringList{"1", "2", "3"};
        QTest::newRow("gap keeps the rule as stated")
            << QStringList{"1", "10", "2", "3", "5"} << QStringList{"1", "2", "10", "3", "5"};
        QTest::newRow("empty") << QStringList{} << QStringList{};
    }

    void ordering()
    {
        QFETCH(QStringList, found);
        QFETCH(QStringList, ordered);
        std::vector<QString> items(found.begin(), found.end());
        orderByHairstyleNumber(items, [](const QString& caption) { return caption; });
        QCOMPARE(QStringList(items.begin(), items.end()), ordered);
    }

    void orderingStopsAtCaptionThatIsNoNumber()
    {
        // Pass n=3 moves "3" to the end, pass n=2 reads "x" and fails.
        std::vector<QString> items{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("x")};
        try {
            orderByHairstyleNumber(items, [](const QString& caption) { return caption; });
            QFAIL("no error");
        } catch (const Error& error) {
            QCOMPARE(error.message(), QStringLiteral("'x' is not a valid integer value"));
        }
        QCOMPARE(QStringList(items.begin(), items.end()), (QStringList{"1", "x", "3"}));
    }
};

QTEST_GUILESS_MAIN(ContentPathsTest)
#include "tst_contentpaths.moc"
