#include "platform/QtDialogs.h"

#include "common/Error.h"
#include "imaging/ImageIO.h"
#include "imaging/JpegCodec.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QVBoxLayout>

#include <new>

namespace morvane {

namespace {

QString titleFor(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning: return QStringLiteral("Warning");
    case MessageKind::Error: return QStringLiteral("Error");
    case MessageKind::Information: return QStringLiteral("Information");
    case MessageKind::Confirmation: return QStringLiteral("Confirm");
    }
    return {};
}

QMessageBox::Icon iconFor(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// The picture preview beside the file list of an open or save dialog: the
// current file decoded at a reduced scale (JPEGs through the DCT scaling),
// shown whole in the pane with its pixel size below.
class PreviewPane : public QWidget {
public:
    static constexpr int kSide = 220;

    explicit PreviewPane(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("PreviewPane"));
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(6, 0, 0, 0);
        m_picture = new QLabel(this);
        m_picture->setObjectName(QStringLiteral("PreviewPicture"));
        m_picture->setFixedSize(kSide, kSide);
        m_picture->setAlignment(Qt::AlignCenter);
        m_picture->setFrameShape(QFrame::StyledPanel);
        m_size = new QLabel(this);
        m_size->setObjectName(QStringLiteral("PreviewSize"));
        m_size->setAlignment(Qt::AlignCenter);
        layout->addWidget(m_picture);
        layout->addWidget(m_size);
        layout->addStretch(1);
    }

    void showFile(const QString& path)
    {
        m_picture->clear();
        m_size->clear();
        const QFileInfo info(path);
        if (!info.isFile() || !imaging::hasRegisteredExtension(path))
            return;
        QImage image;
        QSize fileSize;
        try {
            const QByteArray data = imaging::readImageFileContent(path);
            const imaging::ImageFormat format = imaging::formatForPath(path);
            imaging::ReadOptions options;
            options.minSide = kSide;
            image = imaging::decodeImage(data, format, path, options);
            // JPEGs come decoded at a reduced scale: their size is the header's.
            fileSize = format == imaging::ImageFormat::Jpeg ? imaging::jpegSize(data, path)
                                                            : image.size();
        } catch (const Error&) {
            m_size->setText(QStringLiteral("(no preview)"));
            return;
        } catch (const std::bad_alloc&) {
            return;
        }
        if (image.isNull())
            return;
        const qreal ratio = devicePixelRatioF();
        const QSize room = (QSizeF(m_picture->size() - QSize(4, 4)) * ratio).toSize();
        QImage shown = image.width() > room.width() || image.height() > room.height()
            ? image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            : image;
        shown.setDevicePixelRatio(ratio);
        m_picture->setPixmap(QPixmap::fromImage(shown));
        m_size->setText(QStringLiteral("%1 x %2").arg(fileSize.width()).arg(fileSize.height()));
    }

private:
    QLabel* m_picture;
    QLabel* m_size;
};

// Puts a preview pane to the right of a non-native file dialog's controls.
void addPreviewPane(QFileDialog& dialog)
{
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid)
        return;
    auto* pane = new PreviewPane(&dialog);
    grid->addWidget(pane, 0, grid->columnCount(), grid->rowCount(), 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, pane, &PreviewPane::showFile);
    // Room for the file list's columns beside the pane.
    dialog.resize(dialog.sizeHint().expandedTo(QSize(900, 520)));
}

// The format options of the save dialog: the JPEG quality.
class JpegOptionsDialog : public QDialog {
public:
    JpegOptionsDialog(int quality, QWidget* parent) : QDialog(parent)
    {
        setObjectName(QStringLiteral("JpegOptions"));
        setWindowTitle(QStringLiteral("JPEG Options"));
        auto* form = new QFormLayout(this);
        m_quality = new QSpinBox(this);
        m_quality->setObjectName(QStringLiteral("JpegQuality"));
        m_quality->setRange(1, 100);
        m_quality->setValue(quality);
        form->addRow(QStringLiteral("&Quality:"), m_quality);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        form->addRow(buttons);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    }

    int quality() const { return m_quality->value(); }

private:
    QSpinBox* m_quality;
};

// The first extension a name filter lists ("PNG files (*.png)" gives "png").
QString firstExtension(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

// The save dialog: asks through the program's own question before it
// replaces a file, and can show the format options.
class SaveImageDialog : public QFileDialog {
public:
    SaveImageDialog(QtDialogs& dialogs, QWidget* parent, const SaveRequest& request)
        : QFileDialog(parent, request.caption, request.folder), m_dialogs(dialogs)
    {
        setObjectName(QStringLiteral("SD_SALVAR"));
        setOption(QFileDialog::DontUseNativeDialog);
        setOption(QFileDialog::DontConfirmOverwrite);
        setFileMode(QFileDialog::AnyFile);
        setAcceptMode(QFileDialog::AcceptSave);
        setNameFilters(request.nameFilters);
        if (!request.defaultSuffix.isEmpty()) {
            setDefaultSuffix(request.defaultSuffix);
            // The file type follows the chosen filter for a name typed bare.
            connect(this, &QFileDialog::filterSelected, this, [this](const QString& filter) {
                const QString extension = firstExtension(filter);
                if (!extension.isEmpty())
                    setDefaultSuffix(extension);
            });
        }
        if (!request.suggestedName.isEmpty())
            selectFile(request.suggestedName);
        if (request.preview)
            addPreviewPane(*this);
        if (request.jpegQualityOption)
            addOptionsButton();
    }

    int jpegQuality() const { return m_jpegQuality; }

    void accept() override
    {
        const QStringList files = selectedFiles();
        if (files.isEmpty())
            return;
        const QFileInfo chosen(files.constFirst());
        if (chosen.exists() && !chosen.isDir()) {
            const QString question = QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                         .arg(chosen.fileName());
            if (m_dialogs.message(this, MessageKind::Confirmation, question, MessageButtons::YesNo)
                != Answer::Yes)
                return;
        }
        QFileDialog::accept();
    }

private:
    void addOptionsButton()
    {
        auto* grid = qobject_cast<QGridLayout*>(layout());
        if (!grid)
            return;
        auto* options = new QPushButton(QStringLiteral("&Options..."), this);
        options->setObjectName(QStringLiteral("FormatOptions"));
        options->setToolTip(QStringLiteral("Format options (JPEG quality)"));
        grid->addWidget(options, grid->rowCount(), 0, 1, 2, Qt::AlignLeft);
        connect(options, &QPushButton::clicked, this, [this] {
            JpegOptionsDialog dialog(m_jpegQuality > 0 ? m_jpegQuality : imaging::kDefaultJpegQuality,
                                     this);
            if (dialog.exec() == QDialog::Accepted)
                m_jpegQuality = dialog.quality();
        });
    }

    QtDialogs& m_dialogs;
    int m_jpegQuality = 0;
};

} // namespace

Answer QtDialogs::message(QWidget* parent, MessageKind kind, const QString& text,
                          MessageButtons buttons)
{
    QMessageBox box(iconFor(kind), titleFor(kind), text, QMessageBox::NoButton, parent);
    if (buttons == MessageButtons::YesNo) {
        QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
        box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.exec();
        return box.clickedButton() == yes ? Answer::Yes : Answer::No;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return Answer::Ok;
}

void QtDialogs::showErrorBox(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kApplicationTitle), text,
                    QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

QString QtDialogs::openFile(QWidget* parent, const FileRequest& request)
{
    QFileDialog dialog(parent, request.caption, request.folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(request.nameFilters);
    if (request.preview)
        addPreviewPane(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

SaveChoice QtDialogs::saveFile(QWidget* parent, const SaveRequest& request)
{
    SaveImageDialog dialog(*this, parent, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().constFirst(), dialog.jpegQuality()};
}

int QtDialogs::exec(QDialog& dialog)
{
    return dialog.exec();
}

} // namespace morvane
