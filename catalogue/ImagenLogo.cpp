#include "ImagenLogo.h"

#include <QPainter>

TImagenLogo::TImagenLogo(QWidget* parent) : QFrame(parent) {}

void TImagenLogo::SetCenter(bool center)
{
    m_center = center;
    update();
}

void TImagenLogo::paintEvent(QPaintEvent* event)
{
    const QImage image = m_picture->ToImage();
    if (!image.isNull()) {
        QPainter painter(this);
        QPoint origin(0, 0);
        if (m_center)
            origin = QPoint((width() - image.width()) / 2, (height() - image.height()) / 2);
        painter.drawImage(origin, image);
    }
    QFrame::paintEvent(event);
}
