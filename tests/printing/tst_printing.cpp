#include "app/MainActions.h"
#include "app/MainWindow.h"
#include "canvas/Composition.h"
#include "canvas/TryOn.h"
#include "gallery/GalleryPage.h"
#include "imaging/ImageIO.h"
#include "library/ContentPaths.h"
#include "printing/PrintController.h"
#include "printing/PrintDialog.h"
#include "printing/PrintPreviewWindow.h"
#include "printing/SheetPage.h"
#include "support/ScriptedDialogs.h"
#include "support/TempContent.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace morvane;
using morvane::test::ScriptedDialogs;
using morvane::test::TempContent;

namespace {

const QString kGroup = QStringLiteral("Styles2");
const QString kType = QStringLiteral("Long and Dark");

QStringList settingsLines(const QString& salon, const QString& language)
{
    return {QStringLiteral("Version=1.0"), QStringLiteral("ThumbsSize=185"),
            QStringLiteral("PercColorMix=30"), QStringLiteral("IntensityMakeUp=5"),
            QStringLiteral("StylesButton=") + kGroup, QStringLiteral("TypeButton=") + kType,
            QStringLiteral("AutoTime=2"), QStringLiteral("SalonName=") + salon,
            QStringLiteral("Language=") + language};
}

// A picture whose colour tells its number apart.
QImage numberedPicture(int number)
{
    QImage picture(30 + number, 20, QImage::Format_RGB32);
    picture.fill(qRgb(10 * number % 256, 200, 255 - number));
    return picture;
}

// A main window with its print preview window, as the program makes them.
struct Fixture {
    TempContent content;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<PrintPreviewWindow> sheet;

    Fixture()
    {
        content.writeSettings(settingsLines(QStringLiteral("Salon"), QStringLiteral("EN")));
        content.addHairstyle(kGroup, kType, 1);
        QDir(content.paths().galleryFolder()).mkdir(QStringLiteral("Ana"));
        window = std::make_unique<MainWindow>(content.paths(), dialogs);
        window->formActivate();
        sheet = std::make_unique<PrintPreviewWindow>(false);
        window->printing().setPreviewWindow(sheet.get());
    }

    void addPreviews(const QList<int>& numbers) const
    {
        for (int n : numbers)
            imaging::writeImage(content.paths().previewFile(n), numberedPicture(n));
    }
    void openPerson(const QString& name) const
    {
        QComboBox* persons = window->galleryPage()->personList();
        persons->setCurrentIndex(persons->findText(name));
    }
    void clickTool(const char* name) const
    {
        window->findChild<QToolButton*>(QLatin1String(name))->click();
    }
    // Shown cells as "tag=button caption" ("tag=" without a shown button).
    QStringList shownCells() const
    {
        QStringList shown;
        for (int tag = 1; tag <= 18; ++tag) {
            if (sheet->cell(tag)->isHidden())
                continue;
            const QPushButton* button = sheet->cellButton(tag);
            shown.append(QStringLiteral("%1=%2").arg(tag).arg(button->isHidden() ? QString()
                                                                                 : button->text()));
        }
        return shown;
    }
};

QSizeF pdfPageSize(const QByteArray& pdf)
{
    const QRegularExpression box(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)"));
    const QRegularExpressionMatch match = box.match(QString::fromLatin1(pdf));
    if (!match.hasMatch())
        return {};
    return QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void openingShowsTheExistingPicturesAndNextScreenPages();
    void cellSavesGiveConsecutiveGalleryItems();
    void cellSaveWithoutAnOpenFolderWritesNothing();
    void sheetPrintedToPdfIsLandscapeWithTheHeader();
    void gallerySheetShowsItemsInTheirCellsWithoutButtons();
    void compositionPrintTakesThePhotoSizedMergeWithHiddenHair();
};

void TestPrinting::openingShowsTheExistingPicturesAndNextScreenPages()
{
    Fixture f;
    f.addPreviews({1, 2, 4});
    QStringList opened;
    int openedPage = 0;
    QSize cellPicture;
    QStringList afterNext;
    f.dialogs.dialogScripts.push_back([&](QDialog& dialog) {
        opened = f.shownCells();
        openedPage = f.sheet->pageNumber();
        cellPicture = f.sheet->cell(4)->picture().size();
        f.sheet->menuAction(QStringLiteral("ProximaTela1"))->trigger();
        afterNext = f.shownCells();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        return 0;
    });
    f.clickTool("BT_PRINT");
    QCOMPARE(f.dialogs.dialogsShown, QStringList{"TF_PREVIEW2"});
    QCOMPARE(opened, QStringList({"1=1", "2=2", "4=4"}));
    QCOMPARE(openedPage, 1);
    // Each cell holds its picture at the picture's own size.
    QCOMPARE(cellPicture, numberedPicture(4).size());
    QCOMPARE(afterNext, QStringList({"1=1", "2=2"}));
    QVERIFY(!f.window->state().galleryMode);
}

void TestPrinting::cellSavesGiveConsecutiveGalleryItems()
{
    Fixture f;
    f.addPreviews({1, 2, 3});
    f.openPerson(QStringLiteral("Ana"));
    f.dialogs.dialogScripts.push_back([&](QDialog&) {
        f.sheet->cellButton(3)->click();
        f.sheet->cellButton(1)->click();
        return 0;
    });
    f.clickTool("BT_PRINT");

    QVERIFY2(f.dialogs.errors.isEmpty(), qPrintable(f.dialogs.errors.join('\n')));
    const QString folder = f.content.paths().personFolder(QStringLiteral("Ana"));
    QCOMPARE(imaging::readImage(folder + QStringLiteral("/1.png")).convertToFormat(QImage::Format_RGB32),
             numberedPicture(3));
    QCOMPARE(imaging::readImage(folder + QStringLiteral("/2.png")).convertToFormat(QImage::Format_RGB32),
             numberedPicture(1));
    QVERIFY(!QFile::exists(folder + QStringLiteral("/1.lyr")));
}

void TestPrinting::cellSaveWithoutAnOpenFolderWritesNothing()
{
    Fixture f;
    f.addPreviews({1});
    f.dialogs.answers.push_back(Answer::Ok);
    f.dialogs.dialogScripts.push_back([&](QDialog&) {
        f.sheet->cellButton(1)->click();
        return 0;
    });
    f.clickTool("BT_PRINT");
    QCOMPARE(f.dialogs.messageTexts(), QStringList{f.window->messageText(21)});
    QCOMPARE(f.dialogs.messages.first().kind, MessageKind::Information);
    QVERIFY(QDir(f.content.paths().personFolder(QStringLiteral("Ana"))).isEmpty());
}

void TestPrinting::sheetPrintedToPdfIsLandscapeWithTheHeader()
{
    Fixture f;
    QList<int> twenty;
    for (int n = 1; n <= 20; ++n)
        twenty.append(n);
    f.addPreviews(twenty);
    // The language and salon are read when printing, not at start.
    f.content.writeSettings(settingsLines(QString::fromUtf8("Salão Bela"), QStringLiteral("BR")));
    const QString pdf = f.content.root() + QStringLiteral("sheet.pdf");
    f.dialogs.saveChoices.push_back({pdf, 0});

    QImage page;
    QImage captured;
    f.dialogs.dialogScripts.push_back([&](QDialog&) {
        f.sheet->menuAction(QStringLiteral("ProximaTela1"))->trigger(); // page 2: 19 and 20
        captured = f.sheet->captureSheet();
        f.sheet->menuAction(QStringLiteral("Imprimir1"))->trigger();
        return 0;
    });
    f.dialogs.dialogScripts.push_back([&](QDialog& dialog) {
        page = f.sheet->pageImage();
        auto& print = static_cast<PrintDialog&>(dialog);
        print.setPrinterChoice(PrintDialog::pdfEntry());
        print.accept();
        return print.result();
    });
    f.clickTool("BT_PRINT");
    QVERIFY2(f.dialogs.errors.isEmpty(), qPrintable(f.dialogs.errors.join('\n')));
    QCOMPARE(f.dialogs.dialogsShown, QStringList({"TF_PREVIEW2", "PrintDialog"}));

    // The page: the capture under the header band, the header from the
    // settings file as it reads now, with the page number.
    const QString header = QString::fromUtf8("Salão Bela - Styles2: Long and Dark - Pág. 2");
    QCOMPARE(page.size(), captured.size() + QSize(0, kSheetHeaderBand));
    const QImage expected = composeSheetPage(captured, header);
    QCOMPARE(page.copy(0, 0, page.width(), kSheetHeaderBand),
             expected.copy(0, 0, page.width(), kSheetHeaderBand));
    QVERIFY(page.copy(0, 0, page.width(), kSheetHeaderBand)
            != composeSheetPage(captured, QString::fromUtf8("Salão Bela - Styles2: Long and Dark - Page 2"))
                   .copy(0, 0, page.width(), kSheetHeaderBand));
    QVERIFY(f.sheet->pageImage().isNull()); // emptied after the dialog
    QCOMPARE(QApplication::clipboard()->image().size(), captured.size());

    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(bytes.contains("/Subtype /Image"));
    const QSizeF size = pdfPageSize(bytes);
    QVERIFY2(size.width() > size.height(), "the page is not landscape");
    QCOMPARE(f.window->printing().printer().pageLayout().orientation(), QPageLayout::Landscape);
}

void TestPrinting::gallerySheetShowsItemsInTheirCellsWithoutButtons()
{
    Fixture f;
    f.addPreviews({1, 2, 3});
    const QString folder = f.content.paths().personFolder(QStringLiteral("Ana"));
    for (int n : {2, 3, 7, 19})
        imaging::writeImage(folder + QStringLiteral("/%1.png").arg(n), numberedPicture(n));
    f.openPerson(QStringLiteral("Ana"));

    f.dialogs.dialogScripts.push_back([&](QDialog&) { return 0; }); // preview sheet first
    f.clickTool("BT_PRINT");
    const int nextPreview = f.sheet->nextPreviewNumber();

    bool nextScreenVisible = true;
    f.dialogs.dialogScripts.push_back([&](QDialog& dialog) {
        dialog.show();
        nextScreenVisible = f.sheet->menuAction(QStringLiteral("ProximaTela1"))->isVisible();
        dialog.hide();
        return 0;
    });
    f.clickTool("BT_PRINTG");
    QCOMPARE(f.shownCells(), QStringList({"2=", "3=", "7="}));
    QCOMPARE(f.sheet->cell(7)->picture().size(), numberedPicture(7).size());
    QVERIFY(!nextScreenVisible);
    QVERIFY(f.window->state().galleryMode);
    QCOMPARE(f.sheet->pageNumber(), 1);
    QCOMPARE(f.sheet->nextPreviewNumber(), nextPreview);
}

void TestPrinting::compositionPrintTakesThePhotoSizedMergeWithHiddenHair()
{
    Fixture f;
    f.window->tryOn().PlacePhoto(TryOn::PhotoEntry::PhotoPick,
                                 f.content.addPhoto(QStringLiteral("client.jpg"), QSize(64, 48)));
    Composition& composition = f.window->composition();
    composition.hair().position = QPoint(50, 30); // sticks out right and below
    f.window->tryOn().hideHairstyle();
    f.dialogs.dialogScripts.push_back([](QDialog&) { return int(QDialog::Rejected); });
    f.window->actions().action(QStringLiteral("Imprimir1"))->trigger();

    QCOMPARE(f.dialogs.dialogsShown, QStringList{"PrintDialog"});
    const QImage& printed = f.window->workImage();
    QCOMPARE(printed.size(), QSize(64, 48));
    QVERIFY(printed.pixel(60, 40) != composition.photo().image.pixel(60, 40));
    QCOMPARE(printed.pixel(10, 10), composition.photo().image.pixel(10, 10));
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
