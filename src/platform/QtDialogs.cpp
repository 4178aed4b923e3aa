#include "platform/QtDialogs.h"

#include "common/Error.h"
#include "imaging/ImageIO.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
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
}

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
    QFileDialog dialog(parent, request.caption, request.folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(request.nameFilters);
    if (!request.suggestedName.isEmpty())
        dialog.selectFile(request.suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().constFirst(), 0};
}

int QtDialogs::exec(QDialog& dialog)
{
    return dialog.exec();
}

} // namespace morvane
