#include "sideview/SideViewWindow.h"

#include <QCloseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace morvane {

SidePictureView::SidePictureView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Image6b"));
    setAutoFillBackground(true);
}

void SidePictureView::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

void SidePictureView::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QSize shown = m_picture.size();
    if (shown.width() > width() || shown.height() > height())
        shown.scale(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, shown != m_picture.size());
    painter.drawImage(target, m_picture);
}

SideViewWindow::SideViewWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TF_SIDE"));
    // The main window alone decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view = new SidePictureView(this);
    layout->addWidget(m_view);
    const QScreen* screen = this->screen();
    setClientSize(designedClientSize(screen ? screen->logicalDotsPerInch() : 96.0));
    move(kFirstPosition);
}

QSize SideViewWindow::designedClientSize(qreal dotsPerInch)
{
    const qreal scale = dotsPerInch / 120.0;
    return QSize(qRound(kDesignedClientSize.width() * scale),
                 qRound(kDesignedClientSize.height() * scale));
}

void SideViewWindow::setPicture(const QImage& picture)
{
    m_view->setPicture(picture);
}

void SideViewWindow::setClientSize(QSize size)
{
    setFixedSize(size.expandedTo(QSize(1, 1)));
}

void SideViewWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace morvane
