#include "printing/PrintDialog.h"

#include "common/Error.h"
#include "common/SafeFile.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace morvane {

namespace {

QDoubleSpinBox* lengthBox(const QString& name, QWidget* parent)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0.0, 100.0);
    box->setDecimals(2);
    box->setSingleStep(0.1);
    return box;
}

const char* const kPositionNames[] = {"TopLeft",    "TopCenter", "TopRight",
                                      "CenterLeft", "Center",    "CenterRight",
                                      "BottomLeft", "BottomCenter", "BottomRight"};
const char* const kPositionTexts[] = {"↖", "↑", "↗", "←", "•", "→", "↙", "↓", "↘"};

} // namespace

QString PrintDialog::pdfEntry()
{
    return QStringLiteral("PDF file");
}

PrintDialog::PrintDialog(QPrinter& printer, const QImage& picture, const PrintOptions& options,
                         Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_printer(printer), m_picture(picture), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("PrintDialog"));
    setWindowTitle(QStringLiteral("Print"));
    QStringList printers = QPrinterInfo::availablePrinterNames();
    printers.append(pdfEntry());
    buildControls(printers);
    setOptions(options);
    const bool toPdf = m_printer.outputFormat() == QPrinter::PdfFormat
        || !printers.contains(m_printer.printerName());
    setPrinterChoice(toPdf ? pdfEntry() : m_printer.printerName());
    resize(900, 640);
}

void PrintDialog::buildControls(const QStringList& printers)
{
    auto* layout = new QHBoxLayout(this);
    m_preview = new QPrintPreviewWidget(&m_printer, this);
    m_preview->setObjectName(QStringLiteral("PrintPreview"));
    m_preview->setMinimumSize(420, 420);
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) {
        QPainter painter(printer);
        paintPage(painter, *printer, m_picture, options());
    });
    layout->addWidget(m_preview, 1);

    auto* side = new QVBoxLayout;
    layout->addLayout(side);

    auto* printerBox = new QGroupBox(QStringLiteral("Printer"), this);
    auto* printerRow = new QHBoxLayout(printerBox);
    m_printers = new QComboBox(printerBox);
    m_printers->setObjectName(QStringLiteral("PrinterChoice"));
    m_printers->addItems(printers);
    printerRow->addWidget(m_printers, 1);
    auto* setup = new QPushButton(QStringLiteral("Set&up..."), printerBox);
    setup->setObjectName(QStringLiteral("PrinterSetup"));
    setup->setAutoDefault(false);
    printerRow->addWidget(setup);
    side->addWidget(printerBox);
    connect(m_printers, &QComboBox::currentIndexChanged, this, [this] { applyPrinterChoice(); });
    connect(setup, &QPushButton::clicked, this, [this] { printerSetup(); });

    auto* marginBox = new QGroupBox(QStringLiteral("Margins"), this);
    auto* margins = new QFormLayout(marginBox);
    m_top = lengthBox(QStringLiteral("MarginTop"), marginBox);
    m_left = lengthBox(QStringLiteral("MarginLeft"), marginBox);
    m_right = lengthBox(QStringLiteral("MarginRight"), marginBox);
    m_bottom = lengthBox(QStringLiteral("MarginBottom"), marginBox);
    margins->addRow(QStringLiteral("Top:"), m_top);
    margins->addRow(QStringLiteral("Left:"), m_left);
    margins->addRow(QStringLiteral("Right:"), m_right);
    margins->addRow(QStringLiteral("Bottom:"), m_bottom);
    m_units = new QComboBox(marginBox);
    m_units->setObjectName(QStringLiteral("Units"));
    m_units->addItems({QStringLiteral("Inches"), QStringLiteral("Centimetres")});
    margins->addRow(QStringLiteral("Units:"), m_units);
    side->addWidget(marginBox);
    connect(m_units, &QComboBox::currentIndexChanged, this, [this] { unitChanged(); });

    auto* positionBox = new QGroupBox(QStringLiteral("Position"), this);
    auto* grid = new QGridLayout(positionBox);
    m_positions = new QButtonGroup(this);
    m_positions->setObjectName(QStringLiteral("Position"));
    for (int i = 0; i < 9; ++i) {
        auto* button = new QRadioButton(QString::fromUtf8(kPositionTexts[i]), positionBox);
        button->setObjectName(QLatin1String(kPositionNames[i]));
        m_positions->addButton(button, i);
        grid->addWidget(button, i / 3, i % 3);
    }
    side->addWidget(positionBox);

    auto* sizeBox = new QGroupBox(QStringLiteral("Size"), this);
    auto* sizes = new QGridLayout(sizeBox);
    m_sizes = new QButtonGroup(this);
    m_sizes->setObjectName(QStringLiteral("SizeMode"));
    const char* const sizeTexts[] = {"Normal", "Fit to page", "Stretch to page", "Specified size"};
    const char* const sizeNames[] = {"SizeNormal", "SizeFit", "SizeStretch", "SizeSpecified"};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(QLatin1String(sizeTexts[i]), sizeBox);
        button->setObjectName(QLatin1String(sizeNames[i]));
        m_sizes->addButton(button, i);
        sizes->addWidget(button, i, 0, 1, 2);
    }
    m_width = lengthBox(QStringLiteral("SpecifiedWidth"), sizeBox);
    m_height = lengthBox(QStringLiteral("SpecifiedHeight"), sizeBox);
    sizes->addWidget(new QLabel(QStringLiteral("Width:"), sizeBox), 4, 0);
    sizes->addWidget(m_width, 4, 1);
    sizes->addWidget(new QLabel(QStringLiteral("Height:"), sizeBox), 5, 0);
    sizes->addWidget(m_height, 5, 1);
    side->addWidget(sizeBox);

    auto* gammaRow = new QFormLayout;
    m_gamma = new QDoubleSpinBox(this);
    m_gamma->setObjectName(QStringLiteral("Gamma"));
    m_gamma->setRange(0.1, 5.0);
    m_gamma->setDecimals(2);
    m_gamma->setSingleStep(0.1);
    gammaRow->addRow(QStringLiteral("Gamma:"), m_gamma);
    side->addLayout(gammaRow);
    side->addStretch(1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("Buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PrintDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PrintDialog::reject);
    side->addWidget(buttons);

    for (QDoubleSpinBox* box : {m_top, m_left, m_right, m_bottom, m_width, m_height, m_gamma})
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] { optionsChanged(); });
    connect(m_positions, &QButtonGroup::idClicked, this, [this] { optionsChanged(); });
    connect(m_sizes, &QButtonGroup::idClicked, this, [this] { optionsChanged(); });
}

PrintOptions PrintDialog::options() const
{
    PrintOptions options;
    options.unit = m_unit;
    options.top = m_top->value();
    options.left = m_left->value();
    options.right = m_right->value();
    options.bottom = m_bottom->value();
    options.position = static_cast<PrintPosition>(qMax(0, m_positions->checkedId()));
    options.size = static_cast<PrintSize>(qMax(0, m_sizes->checkedId()));
    options.specified = QSizeF(m_width->value(), m_height->value());
    options.gamma = m_gamma->value();
    return options;
}

void PrintDialog::setOptions(const PrintOptions& options)
{
    m_updating = true;
    m_unit = options.unit;
    m_units->setCurrentIndex(options.unit == PrintUnit::Centimetres ? 1 : 0);
    m_top->setValue(options.top);
    m_left->setValue(options.left);
    m_right->setValue(options.right);
    m_bottom->setValue(options.bottom);
    m_positions->button(static_cast<int>(options.position))->setChecked(true);
    m_sizes->button(static_cast<int>(options.size))->setChecked(true);
    m_width->setValue(options.specified.width());
    m_height->setValue(options.specified.height());
    m_gamma->setValue(options.gamma);
    m_updating = false;
    optionsChanged();
}

void PrintDialog::unitChanged()
{
    if (m_updating)
        return;
    const PrintUnit unit = m_units->currentIndex() == 1 ? PrintUnit::Centimetres : PrintUnit::Inches;
    if (unit != m_unit)
        setOptions(convertedTo(options(), unit));
}

void PrintDialog::optionsChanged()
{
    if (m_updating)
        return;
    const bool specified = m_sizes->checkedId() == static_cast<int>(PrintSize::Specified);
    m_width->setEnabled(specified);
    m_height->setEnabled(specified);
    m_preview->updatePreview();
}

QString PrintDialog::printerChoice() const
{
    return m_printers->currentText();
}

void PrintDialog::setPrinterChoice(const QString& entry)
{
    const int index = m_printers->findText(entry);
    m_printers->setCurrentIndex(index >= 0 ? index : m_printers->count() - 1);
    applyPrinterChoice();
}

void PrintDialog::applyPrinterChoice()
{
    if (printerChoice() == pdfEntry()) {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
    } else {
        m_printer.setOutputFormat(QPrinter::NativeFormat);
        m_printer.setPrinterName(printerChoice());
    }
    m_preview->updatePreview();
}

void PrintDialog::printerSetup()
{
    applyPrinterChoice();
    QPageSetupDialog setup(&m_printer, this);
    setup.setObjectName(QStringLiteral("PSD_CONFIG"));
    m_dialogs.exec(setup);
    m_preview->updatePreview();
}

void PrintDialog::paintPage(QPainter& painter, QPrinter& printer, const QImage& picture,
                            const PrintOptions& options)
{
    const QRectF paper = printer.paperRect(QPrinter::Inch);
    const QRectF place = printPlacement(paper.size(), picture.size(), options);
    const QRectF device = printer.paperRect(QPrinter::DevicePixel);
    const double dotsX = device.width() / qMax(1e-9, paper.width());
    const double dotsY = device.height() / qMax(1e-9, paper.height());
    const QRectF target(place.x() * dotsX, place.y() * dotsY, place.width() * dotsX,
                        place.height() * dotsY);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, applyGamma(picture, options.gamma));
}

bool PrintDialog::print()
{
    applyPrinterChoice();
    auto paintAll = [this](const QString& target) {
        QPainter painter;
        if (!painter.begin(&m_printer))
            throw Error(QStringLiteral("Unable to print to %1").arg(target));
        paintPage(painter, m_printer, m_picture, options());
        if (!painter.end())
            throw Error(QStringLiteral("Unable to print to %1").arg(target));
    };
    if (m_printer.outputFormat() != QPrinter::PdfFormat) {
        paintAll(m_printer.printerName());
        return true;
    }
    SaveRequest request;
    request.caption = QStringLiteral("Print to PDF file");
    request.nameFilters = {QStringLiteral("PDF files (*.pdf)")};
    request.preview = false;
    request.suggestedName = m_pdfFile.isEmpty() ? QStringLiteral("print.pdf") : m_pdfFile;
    const SaveChoice choice = m_dialogs.saveFile(this, request);
    if (choice.path.isEmpty())
        return false;
    QString path = choice.path;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    writeFileAtomically(path, [&](const QString& tempPath) {
        m_printer.setOutputFileName(tempPath);
        paintAll(path);
    });
    m_printer.setOutputFileName(path);
    m_pdfFile = path;
    return true;
}

void PrintDialog::accept()
{
    bool printed = false;
    if (guarded(m_dialogs, this, [this, &printed] { printed = print(); }) && printed)
        QDialog::accept();
}

} // namespace morvane
