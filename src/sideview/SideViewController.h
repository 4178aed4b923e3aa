#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>

class QCheckBox;

namespace morvane {

class MainWindow;
class SideViewWindow;

// The side view of the hairstyles that have a profile picture (the style
// group "Styles6"): the box CHECK_SIDE on the Styles page and the window
// TF_SIDE. Every change of the box, by the user or by the program, runs
// CHECK_SIDEClick.
class SideViewController : public QObject {
    Q_OBJECT
public:
    // The only style group whose hairstyles have side pictures.
    static const QString kSideViewGroup;

    explicit SideViewController(MainWindow& window);

    // The window is created after the main window; until it is given, the
    // box still follows the hairstyles but there is nothing to show.
    void setWindow(SideViewWindow* window);
    SideViewWindow* window() const;

    // The box handler.
    void CHECK_SIDEClick();
    // The step ApplyHairstyle runs after laying hairstyle `number` of
    // `styleGroup` / `hairType`.
    void afterHairstyle(const QString& styleGroup, const QString& hairType, const QString& number);
    // Closes the window the way its close box does: the box is unticked.
    void closeWindow();
    // Shows the window again while the box is ticked (Show Hairstyle).
    void showIfWanted();

    // Reads a side picture as a JPEG. Throws Error "Cannot open file
    // "<path>". <reason>" when it is missing or cannot be read.
    static QImage readSidePicture(const QString& path);

private:
    QCheckBox* box() const;
    QString currentHairType() const;
    QString sidePicturePath(const QString& hairType, const QString& number) const;
    void showPicture(const QString& hairType, const QString& number, const QImage& picture);

    MainWindow& m_window;
    QPointer<SideViewWindow> m_sideWindow;
};

} // namespace morvane
