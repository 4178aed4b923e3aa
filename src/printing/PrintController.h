#pragma once

#include "printing/PrintLayout.h"

#include <QImage>
#include <QObject>

#include <memory>

class QPrinter;

namespace morvane {

class MainWindow;
class PrintPreviewWindow;

// The printing commands of the main window: the composition print
// (BT_IMPRIMIR, Ctrl+P), Print Setup (Ctrl+I), the preview sheet (BT_PRINT
// of the Preview page) and the gallery sheet (BT_PRINTG), with the print
// preview window's print and cell saves. One printer serves the whole run,
// so the printer, paper and orientation last chosen apply to the next print.
class PrintController : public QObject {
    Q_OBJECT
public:
    explicit PrintController(MainWindow& window);
    ~PrintController() override;

    // The print preview window, created at program start after the main window.
    void setPreviewWindow(PrintPreviewWindow* window);
    PrintPreviewWindow* previewWindow() const { return m_sheet; }

    QPrinter& printer() { return *m_printer; }
    // The print dialog's choices, kept for the next print of the run.
    const PrintOptions& printOptions() const { return m_options; }

    void printComposition(); // BT_IMPRIMIRClick
    void printSetup();       // ConfigurarImpressora1Click
    void openPreviewSheet(); // BT_PRINTClick
    void openGallerySheet(); // BT_PRINTGClick
    void printSheet();       // Imprimir1Click of the print preview window
    void saveCell(int tag);  // Button1Click ... Button18Click

    // Hands a picture to the print dialog; true when it printed.
    bool runPrintDialog(const QImage& picture);

private:
    void connectCommands();
    void showSheet();

    MainWindow& m_window;
    std::unique_ptr<QPrinter> m_printer;
    PrintOptions m_options;
    PrintPreviewWindow* m_sheet = nullptr;
};

} // namespace morvane
