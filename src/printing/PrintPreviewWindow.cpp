#include "printing/PrintPreviewWindow.h"

#include "app/WaitCursor.h"
#include "imaging/ImageIO.h"
#include "imaging/Resample.h"
#include "library/ContentPaths.h"

#include <QAction>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentMap>

namespace morvane {

namespace {

constexpr int kColumnX[] = {0, 169, 336, 504, 673, 841};
constexpr int kLastColumnWidth = 168;
constexpr int kRowY[] = {0, 232, 464};
constexpr int kCellHeight = 232;
constexpr int kButtonX = 138;
constexpr int kButtonY = 1;
constexpr int kButtonSide = 20;

QRect cellGeometry(int tag)
{
    const int column = (tag - 1) % 6;
    const int row = (tag - 1) / 6;
    const int width = column < 5 ? kColumnX[column + 1] - kColumnX[column] : kLastColumnWidth;
    return QRect(kColumnX[column], kRowY[row], width, kCellHeight);
}

struct LoadedCell {
    int tag = 0;
    QImage picture;
    QImage shown;
};

} // namespace

SheetCell::SheetCell(int tag, bool smooth, QWidget* parent)
    : QWidget(parent), m_tag(tag), m_smooth(smooth)
{
    setObjectName(QStringLiteral("ImageEnView%1").arg(tag));
    setProperty("tag", tag);
    setAutoFillBackground(false);
}

void SheetCell::setPicture(const QImage& picture, const QImage& shown)
{
    m_picture = picture;
    m_shown = shown;
    update();
}

QImage SheetCell::fitted(const QImage& picture, QSize cellSize, bool smooth)
{
    if (picture.isNull() || cellSize.isEmpty())
        return {};
    const QSize size = picture.size().scaled(cellSize, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    if (smooth)
        return imaging::resampleLanczos3(picture, size);
    return imaging::resampleNearest(picture, size);
}

void SheetCell::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (m_shown.isNull())
        return;
    const QPoint corner((width() - m_shown.width()) / 2, (height() - m_shown.height()) / 2);
    painter.drawImage(corner, m_shown);
}

PrintPreviewWindow::PrintPreviewWindow(bool portuguese, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TF_PREVIEW2"));
    setWindowTitle(QStringLiteral("Print Preview"));
    setModal(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildMenu(portuguese);
    layout->setMenuBar(findChild<QMenuBar*>(QStringLiteral("MainMenu1")));
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    m_client->setPalette(white);
    m_client->setAutoFillBackground(true);
    m_client->setMinimumSize(cellGeometry(18).bottomRight().x() + 1,
                             cellGeometry(18).bottomRight().y() + 1);
    layout->addWidget(m_client, 1);
    buildCells();
    resize(1024, 738);
}

void PrintPreviewWindow::buildMenu(bool portuguese)
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto add = [this, bar](const char* name, const char* english, const char* portugueseText,
                           bool pt) {
        QAction* action = bar->addAction(pt ? QString::fromUtf8(portugueseText)
                                            : QString::fromUtf8(english));
        action->setObjectName(QLatin1String(name));
        addAction(action);
        return action;
    };
    m_print = add("Imprimir1", "&Print", "&Imprimir", portuguese);
    m_next = add("ProximaTela1", "&Next Screen", "&Próxima Tela", portuguese);
    m_return = add("Sair1", "&Return", "&Retornar", portuguese);
    connect(m_print, &QAction::triggered, this, &PrintPreviewWindow::printRequested);
    connect(m_next, &QAction::triggered, this, &PrintPreviewWindow::nextScreen);
    connect(m_return, &QAction::triggered, this, &QDialog::close);
}

void PrintPreviewWindow::buildCells()
{
    for (int tag = 1; tag <= kSheetCells; ++tag) {
        auto* cell = new SheetCell(tag, tag != 1, m_client);
        cell->setGeometry(cellGeometry(tag));
        cell->hide();
        auto* button = new QPushButton(cell);
        button->setObjectName(QStringLiteral("Button%1").arg(tag));
        button->setProperty("tag", tag);
        button->setGeometry(kButtonX, kButtonY, kButtonSide, kButtonSide);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, tag] { emit cellSaveRequested(tag); });
        m_cells.append(cell);
        m_buttons.append(button);
    }
}

SheetCell* PrintPreviewWindow::cell(int tag) const
{
    return tag >= 1 && tag <= kSheetCells ? m_cells.at(tag - 1) : nullptr;
}

QPushButton* PrintPreviewWindow::cellButton(int tag) const
{
    return tag >= 1 && tag <= kSheetCells ? m_buttons.at(tag - 1) : nullptr;
}

QAction* PrintPreviewWindow::menuAction(const QString& objectName) const
{
    for (QAction* action : {m_print, m_next, m_return}) {
        if (action->objectName() == objectName)
            return action;
    }
    return nullptr;
}

void PrintPreviewWindow::hideAll()
{
    for (int tag = 1; tag <= kSheetCells; ++tag) {
        cell(tag)->hide();
        cell(tag)->setPicture({}, {});
        cellButton(tag)->hide();
    }
}

void PrintPreviewWindow::showCells(const SheetCells& cells,
                                   const std::function<QString(int)>& fileOf, bool withButtons)
{
    hideAll();
    QList<LoadedCell> jobs;
    for (int tag = 1; tag <= kSheetCells; ++tag) {
        if (cells[tag - 1] > 0)
            jobs.append({tag, {}, {}});
    }
    // Decoding and zooming the pictures is the slow part: in parallel, while
    // the window waits. A picture that cannot be read leaves its cell blank.
    const QList<LoadedCell> loaded =
        QtConcurrent::blockingMapped(jobs, [&cells, &fileOf, this](const LoadedCell& job) {
            LoadedCell result = job;
            try {
                result.picture = imaging::readImage(fileOf(cells[job.tag - 1]));
                const SheetCell* target = cell(job.tag);
                result.shown = SheetCell::fitted(result.picture, target->size(), target->smooth());
            } catch (...) {
                result.picture = {};
            }
            return result;
        });
    for (const LoadedCell& result : loaded) {
        SheetCell* target = cell(result.tag);
        target->setPicture(result.picture, result.shown);
        target->show();
        if (withButtons) {
            cellButton(result.tag)->setText(QString::number(cells[result.tag - 1]));
            cellButton(result.tag)->show();
        }
    }
}

void PrintPreviewWindow::fillWithPreviews(const ContentPaths& paths)
{
    const WaitCursorScope wait;
    m_galleryMode = false;
    m_previewFile = [paths](int number) { return paths.previewFile(number); };
    const auto exists = [this](int number) { return QFileInfo::exists(m_previewFile(number)); };
    showCells(m_paging.open(exists), m_previewFile, true);
}

void PrintPreviewWindow::fillWithGallery(const QString& personFolder)
{
    const WaitCursorScope wait;
    m_galleryMode = true;
    const auto fileOf = [personFolder](int number) {
        return personFolder.isEmpty() ? QString()
                                      : personFolder + QStringLiteral("/%1.png").arg(number);
    };
    const auto exists = [&fileOf](int number) {
        const QString file = fileOf(number);
        return !file.isEmpty() && QFileInfo(file).isFile();
    };
    m_paging.restartPage();
    showCells(gallerySheet(exists), fileOf, false);
}

void PrintPreviewWindow::nextScreen()
{
    if (m_galleryMode || !m_previewFile)
        return;
    const WaitCursorScope wait;
    const auto exists = [this](int number) { return QFileInfo::exists(m_previewFile(number)); };
    showCells(m_paging.nextScreen(exists), m_previewFile, true);
}

QImage PrintPreviewWindow::captureSheet() const
{
    return m_client->grab().toImage();
}

void PrintPreviewWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PrintPreviewWindow::showEvent(QShowEvent* event)
{
    m_next->setVisible(!m_galleryMode);
    QDialog::showEvent(event);
}

} // namespace morvane
