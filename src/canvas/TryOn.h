#pragma once

#include <QColor>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>

class QLabel;

namespace morvane {

class MainWindow;

// A photo decoded for the canvas: the picture, already fitted to the free
// canvas width when it was wider, and the size the file itself declares.
struct FittedPhoto {
    QImage image;      // Format_RGB32
    QSize sourceSize;  // the file's own pixel size
    bool fitted = false; // wider than the free width: resampled to it
};

// Reads a photo and fits it to `freeWidth`. A JPEG that will be scaled down
// is decoded at the smallest DCT scale (n/8) whose width is not below the
// free width, then resampled with Lanczos 3 to the exact width; any other
// picture is decoded whole. Transparent pixels are laid over `background`.
// Throws Error naming the file when it cannot be read or decoded.
FittedPhoto readFittedPhoto(const QString& path, int freeWidth, const QColor& background,
                            int threads = 2);
// The same for a picture already in memory (Paste).
FittedPhoto fitPhoto(const QImage& image, int freeWidth, const QColor& background, int threads = 2);

// The composition operations the pages and the tool bar call: laying a
// hairstyle over the photo, putting a new photo on the canvas, and the
// Open Photo, Show Hairstyle, Hide Hairstyle and Flip commands.
class TryOn : public QObject {
    Q_OBJECT
public:
    // Where a new photo comes from; the entries differ in their first and last steps.
    enum class PhotoEntry { OpenPhoto, PhotoPick, Paste };

    explicit TryOn(MainWindow& window);

    // Lays the hairstyle whose number the file name carries, from the
    // current style group and hair type.
    void ApplyHairstyle(const QString& fileName);
    // Puts a new photo on the canvas, then the first hairstyle of the list.
    // `path` is the photo file (Open Photo, photo pick); `image` the pasted picture.
    void PlacePhoto(PhotoEntry entry, const QString& path, const QImage& image = {});

    void openPhoto();     // File > Open Photo
    void showHairstyle(); // Edit > Show Hairstyle
    void hideHairstyle(); // Edit > Hide Hairstyle
    void flip();          // Image > Flip

    // The photo file on the canvas ("LbFN" before the first).
    QString currentPhotoPath() const;
    QString currentHairstyleNumber() const;
    // The photo layer's shown size right after it was placed.
    QSize loadedPhotoSize() const;

    // The canvas width left beside the thumbnail panel.
    int freeCanvasWidth() const;
    // The filters of the open dialog, "All graphics" first.
    static QStringList openPhotoFilters();

private:
    void switchToMoveMode();

    MainWindow& m_window;
    QLabel* m_photoPathLabel; // LbFN, hidden: its caption is the current photo path
    QString m_hairstyleNumber;
    QSize m_loadedPhotoSize{0, 0};
};

} // namespace morvane
