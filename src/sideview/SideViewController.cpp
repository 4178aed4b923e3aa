#include "sideview/SideViewController.h"

#include "app/MainWindow.h"
#include "canvas/TryOn.h"
#include "common/Error.h"
#include "imaging/ImageIO.h"
#include "library/StylesPage.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "sideview/SideViewWindow.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>

namespace morvane {

namespace {

constexpr int kOnlyStyles6Message = 25;

Error cannotOpen(const QString& path, const QString& reason)
{
    return Error(QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), reason));
}

} // namespace

const QString SideViewController::kSideViewGroup = QStringLiteral("Styles6");

SideViewController::SideViewController(MainWindow& window) : QObject(&window), m_window(window)
{
    setObjectName(QStringLiteral("SideViewController"));
    connect(box(), &QCheckBox::toggled, this,
            [this] { guarded(m_window.dialogs(), &m_window, [this] { CHECK_SIDEClick(); }); });
}

void SideViewController::setWindow(SideViewWindow* window)
{
    if (m_sideWindow)
        disconnect(m_sideWindow, nullptr, this, nullptr);
    m_sideWindow = window;
    if (m_sideWindow)
        connect(m_sideWindow, &SideViewWindow::closed, this, [this] { box()->setChecked(false); });
}

SideViewWindow* SideViewController::window() const
{
    return m_sideWindow;
}

QCheckBox* SideViewController::box() const
{
    return m_window.stylesPage()->sideViewBox();
}

QString SideViewController::currentHairType() const
{
    const QListWidgetItem* type = m_window.hairTypeList()->currentItem();
    return type ? type->text() : QString();
}

QString SideViewController::sidePicturePath(const QString& hairType, const QString& number) const
{
    return resolveIgnoringCase(m_window.paths().sidePictureFile(hairType, number));
}

QImage SideViewController::readSidePicture(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw cannotOpen(path, QStringLiteral("No such file or directory"));
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        throw cannotOpen(path, info.isDir() ? QStringLiteral("Is a directory") : file.errorString());
    return imaging::decodeImage(imaging::readImageFileContent(path), imaging::ImageFormat::Jpeg, path);
}

void SideViewController::CHECK_SIDEClick()
{
    if (m_window.composition().layerCount() <= 1)
        return;
    if (!box()->isChecked()) {
        if (m_sideWindow)
            m_sideWindow->hide();
        return;
    }
    if (m_window.state().currentStyleGroup != kSideViewGroup) {
        m_window.dialogs().message(&m_window, MessageKind::Warning,
                                   m_window.messageText(kOnlyStyles6Message));
        return;
    }
    const QString hairType = currentHairType();
    const QString number = m_window.tryOn().currentHairstyleNumber();
    const QImage picture = readSidePicture(sidePicturePath(hairType, number));
    if (!m_sideWindow)
        return;
    m_sideWindow->setWindowTitle(hairType + QStringLiteral(": ") + number);
    m_sideWindow->setPicture(picture);
    m_sideWindow->show();
}

void SideViewController::afterHairstyle(const QString& styleGroup, const QString& hairType,
                                        const QString& number)
{
    if (styleGroup != kSideViewGroup) {
        box()->setChecked(false);
        return;
    }
    const QString path = sidePicturePath(hairType, number);
    if (!QFileInfo(path).isFile())
        return; // no side picture: the window keeps what it shows
    QImage picture;
    try {
        picture = readSidePicture(path);
    } catch (const Error& error) {
        // A damaged side picture is reported; the hairstyle itself is laid.
        m_window.dialogs().errorBox(&m_window, error.message());
        return;
    }
    // Ticking the box would run its handler, which loads and shows this
    // same picture; the steps below do all of that once.
    {
        const QSignalBlocker quiet(box());
        box()->setChecked(true);
    }
    showPicture(hairType, number, picture);
}

void SideViewController::showPicture(const QString& hairType, const QString& number,
                                     const QImage& picture)
{
    if (!m_sideWindow)
        return;
    m_sideWindow->show();
    m_sideWindow->raise();
    m_sideWindow->setWindowTitle(hairType + QStringLiteral(": ") + number);
    m_sideWindow->setPicture(picture);
    m_sideWindow->setClientSize(picture.size());
}

void SideViewController::closeWindow()
{
    if (m_sideWindow)
        m_sideWindow->hide();
    box()->setChecked(false);
}

void SideViewController::showIfWanted()
{
    if (m_sideWindow && box()->isChecked())
        m_sideWindow->show();
}

} // namespace morvane
