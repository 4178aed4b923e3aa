#include "gallery/NewFolderDialog.h"

#include "app/InterfaceTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

namespace morvane {

namespace {

const std::vector<InterfaceTexts::Text>& portugueseTexts()
{
    using K = InterfaceTexts::Kind;
    static const std::vector<InterfaceTexts::Text> texts = {
        {"", K::Caption, "Criar Pasta Galeria"},
        {"Label1", K::Caption, "Nome Nova Galeria:"},
        {"BitBtn2", K::Caption, "Cancelar"},
    };
    return texts;
}

} // namespace

NewFolderDialog::NewFolderDialog(bool portuguese, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TF_FOLDER"));
    setWindowTitle(QStringLiteral("New Gallery Folder"));
    setFixedSize(320, 166);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0x44, 0x6F, 0xA4));
    setPalette(colours);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 16);
    layout->setSpacing(6);

    auto* label = new QLabel(QStringLiteral("New Folder Name:"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setFixedHeight(15);
    label->setStyleSheet(QStringLiteral("color: yellow; font-weight: bold;"));
    layout->addWidget(label);

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setStyleSheet(QStringLiteral("QLineEdit { background: #C0C0C0; color: black; }"));
    layout->addWidget(m_edit);
    layout->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                   QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("BitBtn2"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    if (portuguese)
        InterfaceTexts::apply(this, portugueseTexts());
}

void NewFolderDialog::done(int result)
{
    // Only OK confirms; Esc and the close box end as Cancel does.
    m_confirmed = result == QDialog::Accepted;
    m_name = m_confirmed ? m_edit->text() : QString();
    QDialog::done(result);
}

void NewFolderDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QWidget* owner = parentWidget()) {
        const QRect frame = owner->window()->frameGeometry();
        move(frame.center() - rect().center());
    }
    m_edit->setFocus();
}

} // namespace morvane
