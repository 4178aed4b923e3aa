#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

namespace morvane {

class MainWindow;

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

private:
    MainWindow& m_window;
};

} // namespace morvane
