#include "app/MainActions.h"
#include "app/MainWindow.h"
#include "app/PageControl.h"
#include "app/WaitCursor.h"
#include "autodisplay/AutoDisplay.h"
#include "canvas/Composition.h"
#include "canvas/ToolController.h"
#include "canvas/TryOn.h"
#include "library/StylesPage.h"
#include "library/ThumbnailView.h"
#include "platform/Guard.h"
#include "support/ScriptedDialogs.h"
#include "support/TempContent.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <memory>

using namespace morvane;
using morvane::test::ScriptedDialogs;
using morvane::test::TempContent;

namespace {

const QString kGroup = QStringLiteral("Styles2");
const QString kType = QStringLiteral("Long and Light");

// Hairstyle n is 10 + n pixels wide, so the hair layer tells which one is shown.
QSize sizeOf(int number)
{
    return QSize(10 + number, 20);
}

// A main window on Styles2 / Long and Light with the given hairstyles and
// AutoTime, a photo on the canvas.
struct Fixture {
    TempContent content;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;

    Fixture(const QList<int>& numbers, const QString& autoTimeLine)
    {
        QStringList settings{QStringLiteral("Version=1.0"), QStringLiteral("ThumbsSize=185"),
                             QStringLiteral("PercColorMix=30"), QStringLiteral("IntensityMakeUp=5"),
                             QStringLiteral("StylesButton=") + kGroup,
                             QStringLiteral("TypeButton=") + kType, QStringLiteral("SalonName=S"),
                             QStringLiteral("Language=EN")};
        if (!autoTimeLine.isEmpty())
            settings.append(autoTimeLine);
        content.writeSettings(settings);
        for (int number : numbers)
            content.addHairstyle(kGroup, kType, number, sizeOf(number));
        window = std::make_unique<MainWindow>(content.paths(), dialogs);
        window->formActivate();
        window->tryOn().PlacePhoto(TryOn::PhotoEntry::PhotoPick, content.addPhoto("client.jpg"));
    }

    AutoDisplay& display() const { return window->autoDisplay(); }
    // One tick as the timer runs it: a failure ends in the error box.
    void tick() { guarded(dialogs, window.get(), [this] { display().Timer1Timer(); }); }
    QToolButton* button(const char* name) const
    {
        return window->actions().button(QLatin1String(name));
    }
    int shownWidth() const { return window->composition().hair().image.width(); }
    QString titleEnd() const { return window->windowTitle().section(QStringLiteral(" - "), -2); }
};

} // namespace

class TestAutoDisplay : public QObject {
    Q_OBJECT
private slots:
    void showsEachHairstyleThenEntersMoveMode();
    void aStartAfterTheEndBeginsAtTheFirst();
    void autoTimeIsReadAtEachStart_data();
    void autoTimeIsReadAtEachStart();
    void stoppingAndMoveModeSwitchItOff_data();
    void stoppingAndMoveModeSwitchItOff();
    void gapsAndFailuresAreNotRetried_data();
    void gapsAndFailuresAreNotRetried();
};

void TestAutoDisplay::showsEachHairstyleThenEntersMoveMode()
{
    Fixture f({1, 2, 3, 4, 5}, QStringLiteral("AutoTime=2"));
    QSignalSpy moveMode(&f.window->tools(), &ToolController::moveModeEntered);
    f.window->pageControl()->setCurrentIndex(0);
    f.window->composition().setCurrentLayer(Composition::kPhotoLayer);
    f.window->composition().hair().visible = false;

    f.button("BT_AUTO")->click();
    QVERIFY(f.display().isRunning());
    QVERIFY(f.button("BT_AUTO")->isChecked());
    QCOMPARE(f.display().timer()->interval(), 2000);
    QVERIFY(f.display().timer()->isActive());
    QCOMPARE(f.window->composition().currentLayer(), int(Composition::kHairLayer));
    QVERIFY(f.window->composition().hair().visible);

    ThumbnailView* list = f.window->stylesPage()->view();
    for (int number = 1; number <= 5; ++number) {
        f.window->composition().hair().frame = true;
        f.tick();
        QCOMPARE(f.shownWidth(), sizeOf(number).width());
        QCOMPARE(f.titleEnd(), kGroup + QStringLiteral(" - ") + kType + QStringLiteral(": ")
                                   + QString::number(number));
        QCOMPARE(list->selectedIndexes(), QList<int>{number - 1});
        QCOMPARE(f.window->pageControl()->currentIndex(), 1);
        QVERIFY(!f.window->composition().hair().frame);
        QCOMPARE(f.window->actions().zoomLabel()->text(), QStringLiteral("Zoom: 100%"));
        QVERIFY(waitCursorShown());
        QVERIFY(f.display().isRunning());
    }
    QCOMPARE(moveMode.count(), 0);

    f.tick();
    QVERIFY(!f.display().isRunning());
    QVERIFY(!f.display().timer()->isActive());
    QVERIFY(!f.button("BT_AUTO")->isChecked());
    QCOMPARE(moveMode.count(), 1);
    QVERIFY(!waitCursorShown());
    QCOMPARE(f.shownWidth(), sizeOf(5).width()); // the last one stays
    QVERIFY(f.dialogs.errors.isEmpty());
}

void TestAutoDisplay::aStartAfterTheEndBeginsAtTheFirst()
{
    Fixture f({1, 2}, QStringLiteral("AutoTime=2"));
    QAction* menu = f.window->actions().action(QStringLiteral("AutomaticHairstylesSequence1"));
    menu->trigger();
    for (int tick = 0; tick < 3; ++tick)
        f.tick();
    QVERIFY(!f.display().isRunning());

    // The settings file is read again at this start.
    f.content.writeSettings({QStringLiteral("AutoTime=7")});
    menu->trigger();
    QCOMPARE(f.display().counter(), 1);
    QCOMPARE(f.display().timer()->interval(), 7000);
    f.tick();
    QCOMPARE(f.shownWidth(), sizeOf(1).width());
    QCOMPARE(f.titleEnd(), kGroup + QStringLiteral(" - ") + kType + QStringLiteral(": 1"));
}

void TestAutoDisplay::autoTimeIsReadAtEachStart_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("running");
    QTest::addColumn<bool>("timerActive");
    QTest::addColumn<QString>("error");
    QTest::newRow("zero: started, never fires") << "AutoTime=0" << true << false << "";
    QTest::newRow("negative: the same") << "AutoTime=-3" << true << false << "";
    QTest::newRow("huge: the longest interval") << "AutoTime=3000000" << true << true << "";
    QTest::newRow("not a number") << "AutoTime=2.5" << false << false
                                  << "'2.5' is not a valid integer value.";
    QTest::newRow("missing") << "" << false << false << "'' is not a valid integer value.";
}

void TestAutoDisplay::autoTimeIsReadAtEachStart()
{
    QFETCH(QString, line);
    QFETCH(bool, running);
    QFETCH(bool, timerActive);
    QFETCH(QString, error);
    Fixture f({1, 2}, line);
    f.button("BT_AUTO")->click();
    QCOMPARE(f.display().isRunning(), running);
    QCOMPARE(f.display().timer()->isActive(), timerActive);
    QCOMPARE(f.button("BT_AUTO")->isChecked(), running);
    QCOMPARE(f.dialogs.errors, error.isEmpty() ? QStringList() : QStringList{error});
    if (timerActive)
        QCOMPARE(f.display().timer()->interval(), INT_MAX);
    if (running) {
        f.button("BT_AUTO")->click();
        QVERIFY(!f.display().isRunning());
        QVERIFY(!f.button("BT_AUTO")->isChecked());
    }
}

void TestAutoDisplay::stoppingAndMoveModeSwitchItOff_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("BT_AUTO") << "button";
    QTest::newRow("the menu item") << "menu";
    QTest::newRow("move mode") << "move";
    QTest::newRow("Show Hairstyle") << "show";
    QTest::newRow("another tool chosen") << "tool";
}

void TestAutoDisplay::stoppingAndMoveModeSwitchItOff()
{
    QFETCH(QString, how);
    Fixture f({1, 2, 3}, QStringLiteral("AutoTime=1"));
    QSignalSpy moveMode(&f.window->tools(), &ToolController::moveModeEntered);
    f.button("BT_AUTO")->click();
    f.tick();
    f.tick();
    if (how == QLatin1String("button"))
        f.button("BT_AUTO")->click();
    else if (how == QLatin1String("menu"))
        f.window->actions().action(QStringLiteral("AutomaticHairstylesSequence1"))->trigger();
    else if (how == QLatin1String("move"))
        f.button("BT_SCROLL")->click();
    else if (how == QLatin1String("show"))
        f.window->tryOn().showHairstyle();
    else
        f.button("BT_DRAW")->click();
    QVERIFY(!f.display().isRunning());
    QVERIFY(!f.display().timer()->isActive());
    QVERIFY(!f.button("BT_AUTO")->isChecked());
    QCOMPARE(moveMode.count(), 1);
    QCOMPARE(f.shownWidth(), sizeOf(2).width());
}

void TestAutoDisplay::gapsAndFailuresAreNotRetried_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<int>("removed"); // a listed hairstyle deleted before the start; 0: none
    QTest::addColumn<QList<int>>("shown"); // after each tick until the end
    QTest::addColumn<bool>("listEmptied"); // another group without hairstyles chosen
    QTest::addColumn<int>("errors");
    QTest::newRow("gap in the numbering")
        << QList<int>{1, 2, 4} << 0 << QList<int>{1, 2, 4} << false << 0;
    // Reported once; the next tick goes on with the next hairstyle.
    QTest::newRow("file gone since the list was made")
        << QList<int>{1, 2, 3} << 2 << QList<int>{1, 1, 3} << false << 1;
    QTest::newRow("empty list") << QList<int>{1} << 0 << QList<int>{} << true << 0;
}

void TestAutoDisplay::gapsAndFailuresAreNotRetried()
{
    QFETCH(QList<int>, numbers);
    QFETCH(int, removed);
    QFETCH(QList<int>, shown);
    QFETCH(bool, listEmptied);
    QFETCH(int, errors);
    Fixture f(numbers, QStringLiteral("AutoTime=1"));
    if (listEmptied) {
        f.window->state().currentStyleGroup = QStringLiteral("Styles3");
        f.window->RefrescaCabelos();
        QCOMPARE(f.window->stylesPage()->view()->count(), 0);
    }
    if (removed > 0)
        QVERIFY(QFile::remove(f.content.paths().hairstyleFile(kGroup, kType, removed)));
    f.display().start();
    // Each listed hairstyle once, in the list's order, named in the caption.
    QList<int> seen;
    for (int tick = 0; tick < shown.size(); ++tick) {
        f.tick();
        QVERIFY(f.display().isRunning());
        const int number = f.shownWidth() - sizeOf(0).width();
        seen.append(number);
        QVERIFY(f.window->windowTitle().endsWith(QStringLiteral(": ") + QString::number(number)));
    }
    f.tick();
    QVERIFY(!f.display().isRunning());
    std::sort(seen.begin(), seen.end());
    QCOMPARE(seen, shown);
    QCOMPARE(f.dialogs.errors.size(), errors);
}

QTEST_MAIN(TestAutoDisplay)
#include "tst_autodisplay.moc"
