#include "app/Icons.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

static void registerProgramResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace morvane {

void ensureResources()
{
    static const bool registered = [] {
        registerProgramResources();
        return true;
    }();
    Q_UNUSED(registered);
}

QPixmap renderPicture(const QString& resourcePath, const QSize& size)
{
    ensureResources();
    QSvgRenderer renderer(resourcePath);
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    if (!renderer.isValid())
        return pixmap;
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QIcon programIcon(const QString& name)
{
    static QHash<QString, QIcon> cache;
    const auto found = cache.constFind(name);
    if (found != cache.constEnd())
        return *found;
    const QString path = name.startsWith(QLatin1String(":/"))
                             ? name
                             : QStringLiteral(":/icons/%1.svg").arg(name);
    QIcon icon;
    for (int side : {16, 24, 32, 48})
        icon.addPixmap(renderPicture(path, QSize(side, side)));
    cache.insert(name, icon);
    return icon;
}

} // namespace morvane
