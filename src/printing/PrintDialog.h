#pragma once

#include "printing/PrintLayout.h"

#include <QDialog>
#include <QImage>

class QButtonGroup;
class QComboBox;
class QDoubleSpinBox;
class QPainter;
class QPrinter;
class QPrintPreviewWidget;

namespace morvane {

class Dialogs;

// The program's print dialog for one picture, with a live preview of the
// page: margins in inches or centimetres, the nine positions, the size
// ("Normal", "Fit to page", "Stretch to page", "Specified size"), gamma, and
// the printer with its set-up. Where no printer is installed (or "PDF file"
// is chosen) OK asks for a file name and prints the page to a PDF file.
class PrintDialog : public QDialog {
    Q_OBJECT
public:
    // The entry of the printer list that prints to a PDF file.
    static QString pdfEntry();

    PrintDialog(QPrinter& printer, const QImage& picture, const PrintOptions& options,
                Dialogs& dialogs, QWidget* parent = nullptr);

    PrintOptions options() const;
    void setOptions(const PrintOptions& options);
    // The chosen entry of the printer list.
    QString printerChoice() const;
    void setPrinterChoice(const QString& entry);
    // The path of the PDF file last printed (empty when none).
    const QString& pdfFile() const { return m_pdfFile; }

    // Draws the picture on a page of the printer (full page coordinates).
    static void paintPage(QPainter& painter, QPrinter& printer, const QImage& picture,
                          const PrintOptions& options);

    // OK: prints, then closes. A PDF file name that is not given keeps the
    // dialog open; a printing failure is shown and keeps it open too.
    void accept() override;

private:
    void buildControls(const QStringList& printers);
    void unitChanged();
    void optionsChanged();
    void applyPrinterChoice();
    void printerSetup();
    bool print(); // false: no PDF file name given

    QPrinter& m_printer;
    QImage m_picture;
    Dialogs& m_dialogs;
    PrintUnit m_unit = PrintUnit::Inches;
    QString m_pdfFile;
    QPrintPreviewWidget* m_preview = nullptr;
    QDoubleSpinBox* m_top = nullptr;
    QDoubleSpinBox* m_left = nullptr;
    QDoubleSpinBox* m_right = nullptr;
    QDoubleSpinBox* m_bottom = nullptr;
    QComboBox* m_units = nullptr;
    QButtonGroup* m_positions = nullptr;
    QButtonGroup* m_sizes = nullptr;
    QDoubleSpinBox* m_width = nullptr;
    QDoubleSpinBox* m_height = nullptr;
    QDoubleSpinBox* m_gamma = nullptr;
    QComboBox* m_printers = nullptr;
    bool m_updating = false;
};

} // namespace morvane
