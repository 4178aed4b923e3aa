#pragma once

#include <QObject>

#include <memory>

namespace morvane {

class MainWindow;
class VolumeProvider;

// The camera commands of the Photos page: Camera Directory (BT_DCIM and the
// Image menu's CapturaTWAIN1) opens the DCIM folder of the first removable
// volume in the photo browser and enables BT_TRANSFER; BT_TRANSFER copies
// the photo on the canvas into the Photos folder.
class CameraImportController : public QObject {
    Q_OBJECT
public:
    // Uses the system's volumes until another provider is given.
    explicit CameraImportController(MainWindow& window);
    ~CameraImportController() override;

    void setVolumeProvider(std::unique_ptr<VolumeProvider> volumes);

    // BT_DCIMClick. CapturaTWAIN1Click clicks BT_DCIM.
    void BT_DCIMClick();
    // BT_TRANSFERClick: after a Yes, the photo file on the canvas is copied
    // into Photos under a name no earlier copy has. Does nothing without a
    // hairstyle on a photo.
    void BT_TRANSFERClick();

private:
    MainWindow& m_window;
    std::unique_ptr<VolumeProvider> m_volumes;
};

} // namespace morvane
