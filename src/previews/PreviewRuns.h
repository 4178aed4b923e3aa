#pragma once

#include <QObject>

namespace morvane {

class MainWindow;

// The two preview runs of the main window: every hairstyle of the current
// hair type over the client's photo (F12, BT_PREVIEW), and the current
// hairstyle in the fifteen colours of the series (F11, BT_CORES). Both fill
// the preview folder, then show the Preview page with its refreshed list.
class PreviewRuns : public QObject {
    Q_OBJECT
public:
    explicit PreviewRuns(MainWindow& window);

    // BT_PREVIEWClick. A hairstyle number without a readable picture is left
    // out of the sheet; the run goes on with the others and names the missing
    // ones in an error box at its end.
    void hairstylePreview();
    // BT_CORESClick.
    void colourPreview();

private:
    // Hair layer current, visible and without its frame, as both runs start.
    void prepareHairLayer();
    void showPreviewPage();

    MainWindow& m_window;
};

} // namespace morvane
