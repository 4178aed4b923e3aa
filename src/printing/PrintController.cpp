#include "printing/PrintController.h"

#include "app/MainActions.h"
#include "app/MainWindow.h"
#include "app/WaitCursor.h"
#include "canvas/Composition.h"
#include "canvas/LayerMerge.h"
#include "common/Error.h"
#include "gallery/GalleryFolder.h"
#include "gallery/GalleryPage.h"
#include "library/ThumbnailView.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "printing/PrintDialog.h"
#include "printing/PrintPreviewWindow.h"
#include "printing/SheetPage.h"
#include "printing/SheetPaging.h"
#include "settings/SettingsFile.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QToolButton>

namespace morvane {

PrintController::PrintController(MainWindow& window)
    : QObject(&window), m_window(window), m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("PrintController"));
    m_printer->setFullPage(true);
    // Without an installed printer the pages go to a PDF file.
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        m_printer->setOutputFormat(QPrinter::PdfFormat);
    connectCommands();
}

PrintController::~PrintController() = default;

void PrintController::connectCommands()
{
    const MainActions& actions = m_window.actions();
    auto guard = [this](void (PrintController::*command)()) {
        return [this, command] { guarded(m_window.dialogs(), &m_window, [this, command] {
                                     (this->*command)();
                                 }); };
    };
    QToolButton* print = actions.button(QStringLiteral("BT_IMPRIMIR"));
    connect(print, &QToolButton::clicked, this, guard(&PrintController::printComposition));
    connect(actions.action(QStringLiteral("Imprimir1")), &QAction::triggered, print,
            &QToolButton::click);
    connect(actions.action(QStringLiteral("ConfigurarImpressora1")), &QAction::triggered, this,
            guard(&PrintController::printSetup));
    if (auto* sheet = m_window.findChild<QToolButton*>(QStringLiteral("BT_PRINT")))
        connect(sheet, &QToolButton::clicked, this, guard(&PrintController::openPreviewSheet));
    if (auto* gallery = m_window.findChild<QToolButton*>(QStringLiteral("BT_PRINTG")))
        connect(gallery, &QToolButton::clicked, this, guard(&PrintController::openGallerySheet));
}

void PrintController::setPreviewWindow(PrintPreviewWindow* window)
{
    m_sheet = window;
    if (!m_sheet)
        return;
    connect(m_sheet, &PrintPreviewWindow::printRequested, this, [this] {
        guarded(m_window.dialogs(), m_sheet, [this] { printSheet(); });
    });
    connect(m_sheet, &PrintPreviewWindow::cellSaveRequested, this, [this](int tag) {
        guarded(m_window.dialogs(), m_sheet, [this, tag] { saveCell(tag); });
    });
}

bool PrintController::runPrintDialog(const QImage& picture)
{
    QWidget* parent = m_sheet && m_sheet->isVisible() ? static_cast<QWidget*>(m_sheet)
                                                      : static_cast<QWidget*>(&m_window);
    PrintDialog dialog(*m_printer, picture, m_options, m_window.dialogs(), parent);
    const bool printed = m_window.dialogs().exec(dialog) == QDialog::Accepted;
    m_options = dialog.options();
    return printed;
}

void PrintController::printComposition()
{
    // The hair is printed also when it is hidden on the canvas.
    QImage& work = m_window.workImage();
    work = mergedCutToPhoto(m_window.composition());
    if (work.isNull())
        throw Error(QStringLiteral("There is no composition to print"));
    runPrintDialog(work);
}

void PrintController::printSetup()
{
    QPageSetupDialog setup(m_printer.get(), &m_window);
    setup.setObjectName(QStringLiteral("PSD_CONFIG"));
    m_window.dialogs().exec(setup);
}

void PrintController::showSheet()
{
    m_sheet->setWindowState(m_sheet->windowState() | Qt::WindowMaximized);
    m_window.dialogs().exec(*m_sheet);
}

void PrintController::openPreviewSheet()
{
    if (!m_sheet)
        return;
    m_window.state().galleryMode = false;
    m_sheet->fillWithPreviews(m_window.paths());
    showSheet();
    m_window.composition().selection().clear();
    m_window.composition().notifyChanged();
}

void PrintController::openGallerySheet()
{
    if (!m_sheet)
        return;
    m_window.state().galleryMode = true;
    const GalleryFolder folder(m_window.paths(), m_window.galleryPage()->openPerson());
    m_sheet->fillWithGallery(folder.path());
    showSheet();
}

void PrintController::printSheet()
{
    struct PageBack {
        QImage& page;
        ~PageBack() { page = QImage(); }
    } pageBack{m_sheet->pageImage()};
    const WaitCursorScope wait;
    const SettingsFile settings(m_window.paths().settingsFile());
    m_printer->setPageOrientation(QPageLayout::Landscape);

    // The sheet goes through the clipboard, which keeps it afterwards.
    QClipboard* clipboard = QApplication::clipboard();
    const QImage captured = m_sheet->captureSheet();
    clipboard->setImage(captured);
    QImage pasted = clipboard->image();
    if (pasted.isNull())
        pasted = captured;

    const QListWidgetItem* typeItem = m_window.hairTypeList()->currentItem();
    const QString header = sheetHeader(settings.read(QStringLiteral("SalonName")),
                                       m_window.state().currentStyleGroup,
                                       typeItem ? typeItem->text() : QString(),
                                       settings.read(QStringLiteral("Language")),
                                       m_sheet->pageNumber());
    m_sheet->pageImage() = composeSheetPage(pasted, header);
    runPrintDialog(m_sheet->pageImage());
}

void PrintController::saveCell(int tag)
{
    const WaitCursorScope wait;
    GalleryPage* gallery = m_window.galleryPage();
    const GalleryFolder folder(m_window.paths(), gallery->openPerson());
    if (!folder.isOpen()) {
        m_window.dialogs().message(m_sheet, MessageKind::Information, m_window.messageText(21));
        return;
    }
    const SheetCell* cell = m_sheet->cell(tag);
    if (!cell || cell->picture().isNull())
        throw Error(QStringLiteral("There is no picture in cell %1").arg(tag));
    folder.savePicture(cell->picture(), gallery->view()->count());
    gallery->refresh(folder.person());
}

} // namespace morvane
