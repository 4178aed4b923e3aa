#include "library/CameraImportController.h"

#include "app/MainActions.h"
#include "app/MainWindow.h"
#include "canvas/TryOn.h"
#include "common/Error.h"
#include "library/CameraImport.h"
#include "library/PhotosPage.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/RemovableVolumes.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QToolButton>

namespace morvane {

namespace {

constexpr int kTransferQuestion = 22;
constexpr int kNoCameraMessage = 23;

} // namespace

CameraImportController::CameraImportController(MainWindow& window)
    : QObject(&window), m_window(window), m_volumes(std::make_unique<SystemVolumeProvider>())
{
    setObjectName(QStringLiteral("CameraImportController"));
    PhotosPage* page = window.photosPage();
    auto run = [this](void (CameraImportController::*handler)()) {
        return [this, handler] { guarded(m_window.dialogs(), &m_window, [this, handler] { (this->*handler)(); }); };
    };
    connect(page->cameraButton(), &QToolButton::clicked, this, run(&CameraImportController::BT_DCIMClick));
    connect(page->transferButton(), &QToolButton::clicked, this,
            run(&CameraImportController::BT_TRANSFERClick));
    connect(window.actions().action(QStringLiteral("CapturaTWAIN1")), &QAction::triggered,
            page->cameraButton(), &QToolButton::click);
}

CameraImportController::~CameraImportController() = default;

void CameraImportController::setVolumeProvider(std::unique_ptr<VolumeProvider> volumes)
{
    m_volumes = std::move(volumes);
}

void CameraImportController::BT_DCIMClick()
{
    PhotosPage* page = m_window.photosPage();
    const std::optional<QString> folder = findCameraFolder(*m_volumes);
    if (!folder || !page->openFolder(*folder)) {
        m_window.dialogs().message(&m_window, MessageKind::Information,
                                   m_window.messageText(kNoCameraMessage));
        return;
    }
    page->transferButton()->setEnabled(true);
}

void CameraImportController::BT_TRANSFERClick()
{
    if (m_window.composition().layerCount() != 2)
        return;
    const Answer answer = m_window.dialogs().message(&m_window, MessageKind::Confirmation,
                                                     m_window.messageText(kTransferQuestion),
                                                     MessageButtons::YesNo);
    if (answer != Answer::Yes)
        return;
    const QString source = m_window.tryOn().currentPhotoPath();
    // A pasted picture has no file of its own: the path then still holds
    // the label's design caption, which must not be read as a file beside
    // whatever the working folder happens to be.
    if (QFileInfo(source).isRelative())
        throw Error(QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(source));
    transferPhoto(source, m_window.paths().photosFolder());
}

} // namespace morvane
