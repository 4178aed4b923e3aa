#include "app/MainWindow.h"
#include "app/PageControl.h"
#include "canvas/CanvasView.h"
#include "library/PanelMaximizer.h"
#include "library/PhotosPage.h"
#include "library/ThumbnailView.h"
#include "support/ScriptedDialogs.h"
#include "support/TempContent.h"

#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace morvane;
using morvane::test::ScriptedDialogs;
using morvane::test::TempContent;

namespace {

const char* const kButtons[] = {"BTMAX1", "BTMAX2", "BTMAX3", "BTMAX4"};
const char* const kSpins[] = {"jvSpinEdit1", "jvSpinEdit2", "jvSpinEdit3", "JvSpinEdit4"};

struct Fixture {
    TempContent content;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
    PanelMaximizer* maximizer = nullptr;

    explicit Fixture(const QStringList& settings = {})
    {
        QStringList lines{QStringLiteral("Version=1.0"), QStringLiteral("PercColorMix=30"),
                          QStringLiteral("IntensityMakeUp=5"), QStringLiteral("StylesButton=Styles7"),
                          QStringLiteral("TypeButton=Short and Light"), QStringLiteral("AutoTime=2"),
                          QStringLiteral("SalonName=Test Salon")};
        bool size = false, language = false;
        for (const QString& line : settings) {
            size = size || line.startsWith(QLatin1String("ThumbsSize="));
            language = language || line.startsWith(QLatin1String("Language="));
        }
        if (!size)
            lines.append(QStringLiteral("ThumbsSize=185"));
        if (!language)
            lines.append(QStringLiteral("Language=EN"));
        content.writeSettings(lines + settings);
        window = std::make_unique<MainWindow>(content.paths(), dialogs);
        maximizer = window->findChild<PanelMaximizer*>();
    }
    QToolButton* button(int page) const { return window->findChild<QToolButton*>(QLatin1String(kButtons[page])); }
    QSpinBox* spin(int page) const { return window->findChild<QSpinBox*>(QLatin1String(kSpins[page])); }
    ThumbnailView* view(int page) const { return window->thumbnailViews().at(page); }
};

} // namespace

class PanelMaximizerTest : public QObject {
    Q_OBJECT
private slots:
    void columnsFor_data();
    void columnsFor();
    void maximizeFillsWindowAndRestoreDocks();
    void maximizedSizeFromSetting_data();
    void maximizedSizeFromSetting();
    void spinSizesItsViewOnlyWhileMaximized();
    void spinAtZeroLeavesView();
    void hints_data();
    void hints();
};

void PanelMaximizerTest::columnsFor_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("columns");
    QTest::newRow("window 1024, 185") << 1024 << 185 << 5;  // 5.54 -> 6
    QTest::newRow("half rounds down to even") << 1000 << 400 << 1; // 2.5 -> 2
    QTest::newRow("half rounds up to even") << 1400 << 400 << 3;   // 3.5 -> 4
    QTest::newRow("wider than the window") << 600 << 500 << 0;
    QTest::newRow("size 0 has none") << 1024 << 0 << 0;
}

void PanelMaximizerTest::columnsFor()
{
    QFETCH(int, width);
    QFETCH(int, size);
    QFETCH(int, columns);
    QCOMPARE(PanelMaximizer::columnsFor(width, size), columns);
}

void PanelMaximizerTest::maximizeFillsWindowAndRestoreDocks()
{
    Fixture f;
    QVERIFY(f.maximizer);
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    f.content.addPhoto(QStringLiteral("anna.jpg"));
    QSignalSpy changes(f.maximizer, &PanelMaximizer::maximizedChanged);

    f.button(2)->click(); // the Gallery page's button maximises the whole panel
    QVERIFY(f.maximizer->isMaximized());
    QVERIFY(f.window->state().panelMaximized);
    QCOMPARE(changes.count(), 1);
    QVERIFY(f.window->canvas()->isHidden());
    QVERIFY(!f.window->canvas()->isEnabled());
    QTRY_COMPARE(f.window->pageControl()->width(), f.window->centralWidget()->width());
    const int columns = PanelMaximizer::columnsFor(f.window->width(), 185);
    for (int page = 0; page < 4; ++page) {
        QCOMPARE(f.view(page)->cellSize(), QSize(185, 185));
        QCOMPARE(f.view(page)->columns(), columns);
        QVERIFY(!f.spin(page)->isHidden());
    }
    // Maximising refreshed the photo list.
    QCOMPARE(f.view(0)->count(), 1);

    f.button(0)->click();
    QVERIFY(!f.maximizer->isMaximized());
    QCOMPARE(changes.count(), 2);
    QVERIFY(f.window->canvas()->isVisible());
    QVERIFY(f.window->canvas()->isEnabled());
    QTRY_COMPARE(f.window->pageControl()->width(), PanelMaximizer::kRestoredWidth);
    for (int page = 0; page < 4; ++page) {
        QCOMPARE(f.view(page)->cellSize(), QSize(90, 90));
        QCOMPARE(f.view(page)->columns(), 3);
        QVERIFY(f.spin(page)->isHidden());
    }
}

void PanelMaximizerTest::maximizedSizeFromSetting_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("size");
    QTest::newRow("whole number") << QStringLiteral("120") << 120;
    QTest::newRow("half rounds to even, down") << QStringLiteral("120.5") << 120;
    QTest::newRow("half rounds to even, up") << QStringLiteral("121.5") << 122;
    QTest::newRow("huge value held") << QStringLiteral("100000") << 500;
    QTest::newRow("zero held") << QStringLiteral("0") << 1;
}

void PanelMaximizerTest::maximizedSizeFromSetting()
{
    QFETCH(QString, setting);
    QFETCH(int, size);
    Fixture f({QStringLiteral("ThumbsSize=") + setting});
    QVERIFY(f.dialogs.errors.isEmpty());
    f.maximizer->toggle();
    for (int page = 0; page < 4; ++page)
        QCOMPARE(f.view(page)->cellSize(), QSize(size, size));
}

void PanelMaximizerTest::spinSizesItsViewOnlyWhileMaximized()
{
    Fixture f;
    // Restored: the spin changes nothing.
    f.spin(0)->setValue(150);
    QCOMPARE(f.view(0)->cellSize(), QSize(90, 90));

    f.maximizer->toggle();
    f.spin(0)->setValue(120);
    QCOMPARE(f.view(0)->cellSize(), QSize(120, 185)); // the height stays
    QCOMPARE(f.view(0)->columns(), PanelMaximizer::columnsFor(f.window->width(), 120));
    QCOMPARE(f.view(1)->cellSize(), QSize(185, 185)); // the other pages keep theirs
    f.spin(3)->setValue(300);
    QCOMPARE(f.view(3)->cellSize(), QSize(300, 185));
    QCOMPARE(f.view(0)->cellSize(), QSize(120, 185));

    // Maximising again starts from the setting, not from the spin.
    f.maximizer->toggle();
    f.maximizer->toggle();
    QCOMPARE(f.spin(0)->value(), 120);
    QCOMPARE(f.view(0)->cellSize(), QSize(185, 185));
    QCOMPARE(f.view(3)->cellSize(), QSize(185, 185));
}

void PanelMaximizerTest::spinAtZeroLeavesView()
{
    Fixture f;
    f.maximizer->toggle();
    f.spin(1)->setValue(0);
    QCOMPARE(f.view(1)->cellSize(), QSize(185, 185));
    QCOMPARE(f.view(1)->columns(), PanelMaximizer::columnsFor(f.window->width(), 185));
    f.spin(1)->setValue(1);
    QCOMPARE(f.view(1)->cellSize(), QSize(1, 185));
    QCOMPARE(f.spin(3)->minimum(), 60);
}

void PanelMaximizerTest::hints_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("startHint");
    QTest::newRow("English") << QStringLiteral("EN") << QStringLiteral("Maximize");
    QTest::newRow("Portuguese") << QStringLiteral("BR") << QStringLiteral("Maximizar");
}

void PanelMaximizerTest::hints()
{
    QFETCH(QString, language);
    QFETCH(QString, startHint);
    Fixture f({QStringLiteral("Language=") + language});
    for (int page = 0; page < 4; ++page)
        QCOMPARE(f.button(page)->toolTip(), startHint);
    f.button(1)->click();
    for (int page = 0; page < 4; ++page)
        QCOMPARE(f.button(page)->toolTip(), QStringLiteral("Minimize"));
    f.button(3)->click();
    for (int page = 0; page < 4; ++page)
        QCOMPARE(f.button(page)->toolTip(), QStringLiteral("Maximize"));
}

QTEST_MAIN(PanelMaximizerTest)
#include "tst_panelmaximizer.moc"
