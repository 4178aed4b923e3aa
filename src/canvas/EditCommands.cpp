#include "canvas/EditCommands.h"

#include "app/MainActions.h"
#include "app/MainWindow.h"
#include "canvas/ClipboardPicture.h"
#include "canvas/Composition.h"
#include "canvas/LayerMerge.h"
#include "canvas/Selection.h"
#include "canvas/TryOn.h"
#include "colour/ColorsPage.h"
#include "imaging/ImageIO.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QToolButton>

namespace morvane {

namespace {

// The paste file is a JPEG: a picture with transparency is laid over the
// canvas colour first, as an opened photo is.
QImage opaqueOver(const QImage& picture, const QColor& background)
{
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_RGB32);
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(background);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    painter.end();
    return flat;
}

} // namespace

EditCommands::EditCommands(MainWindow& window) : QObject(&window), m_window(window)
{
    MainActions& a = window.actions();
    auto guardedCall = [this](void (EditCommands::*command)()) {
        return [this, command] { guarded(m_window.dialogs(), &m_window, [this, command] { (this->*command)(); }); };
    };
    QToolButton* undoButton = window.colorsPage()->findChild<QToolButton*>(QStringLiteral("BitBtn1"));
    if (undoButton) {
        connect(undoButton, &QToolButton::clicked, this, guardedCall(&EditCommands::undo));
        connect(a.action(QStringLiteral("Desfazer1")), &QAction::triggered, undoButton,
                &QToolButton::click);
    }
    connect(a.action(QStringLiteral("Copiar1")), &QAction::triggered, this, guardedCall(&EditCommands::copy));
    connect(a.button(QStringLiteral("BT_COPY")), &QToolButton::clicked, a.action(QStringLiteral("Copiar1")),
            &QAction::trigger);
    connect(a.action(QStringLiteral("Colar1")), &QAction::triggered, this, guardedCall(&EditCommands::paste));
    connect(a.button(QStringLiteral("BT_PASTE")), &QToolButton::clicked, a.action(QStringLiteral("Colar1")),
            &QAction::trigger);
}

void EditCommands::undo()
{
    m_window.composition().restoreCurrentLayer();
}

QImage EditCommands::pictureToCopy() const
{
    const Composition& composition = m_window.composition();
    const Selection& selection = composition.selection();
    if (selection.hasArea() && selection.layer() < composition.layerCount())
        return selectedPart(composition.layer(selection.layer()).image, selection);
    if (composition.hasHairLayer() && composition.hair().visible)
        return mergedCutToPhoto(composition);
    return composition.layer(composition.currentLayer()).image;
}

void EditCommands::copy()
{
    if (!m_window.composition().hasHairLayer())
        return;
    const QImage picture = pictureToCopy();
    if (picture.isNull())
        return;
    m_window.workImage() = picture;
    // setMimeData replaces everything the clipboard held.
    QGuiApplication::clipboard()->setMimeData(pictureMimeData(picture));
}

void EditCommands::paste()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QImage picture = holdsPicture(data) ? pictureFromMimeData(data) : QImage();
    if (picture.isNull()) {
        m_window.dialogs().message(&m_window, MessageKind::Information, m_window.messageText(2));
        return;
    }
    // The paste file is written and read back before the canvas changes,
    // so a paste that cannot write it leaves the composition as it was.
    const QString pasteFile = m_window.paths().pasteFile();
    imaging::writeImage(pasteFile, opaqueOver(picture, m_window.composition().backgroundColour()));
    const QByteArray content = imaging::readImageFileContent(pasteFile);
    m_window.workImage() = imaging::decodeImage(content, imaging::formatOfContent(content), pasteFile);
    m_window.tryOn().PlacePhoto(TryOn::PhotoEntry::Paste, QString(), m_window.workImage().copy());
}

} // namespace morvane
