#include "app/MessageLabels.h"

#include <QLabel>

namespace morvane::MessageLabels {

namespace {

struct Message {
    int number;
    const char* english;
};

const Message kMessages[] = {
    {1, "File not found."},
    {2, "There is no bitmap in the clipboard."},
    {4, "First click on a photo, then choose a hairstyle!"},
    {6, "Do you really want to DELETE the selected photo(s)?"},
    {10, "Do you really want to DELETE the selected gallery photo?"},
    {16, "Reset to the default colors and options?"},
    {19, "Do you really want to DELETE ALL PHOTOS of "},
    {20, "Are you sure? Confirm deletion of folder "},
    {21, "First open or create a folder in the Gallery tab!"},
    {22, "Do you want to transfer this photo from your camera?"},
    {23, "Your camera is not attached or there is no DCIM directory."},
    {25, "Only Styles 6 have side view!"},
};

QString labelName(int number)
{
    return QStringLiteral("Label%1").arg(number);
}

} // namespace

void create(QWidget* owner)
{
    for (const Message& message : kMessages) {
        auto* label = new QLabel(QString::fromUtf8(message.english), owner);
        label->setObjectName(labelName(message.number));
        label->hide();
    }
}

QString text(const QWidget* owner, int number)
{
    const auto* label = owner->findChild<QLabel*>(labelName(number), Qt::FindDirectChildrenOnly);
    return label ? label->text() : QString();
}

} // namespace morvane::MessageLabels
