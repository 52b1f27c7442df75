#include "Bitmap.h"

#include "BmpFormat.h"
#include "GraphicError.h"

#include <QFile>

namespace graphics {

TBitmap::TBitmap(const QImage& image)
{
    Assign(image);
}

QByteArray TBitmap::SaveToStream() const
{
    if (m_image.isNull())
        return QByteArray();
    return WriteBmp(m_image);
}

std::unique_ptr<TGraphic> TBitmap::Clone() const
{
    auto copy = std::make_unique<TBitmap>();
    copy->m_image = m_image;
    return copy;
}

void TBitmap::SetSize(int width, int height)
{
    if (width <= 0 || height <= 0) {
        m_image = QImage();
        return;
    }
    CheckDimensions(width, height);
    QImage resized(width, height, QImage::Format_RGB888);
    resized.fill(Qt::white);
    if (!m_image.isNull()) {
        const int rows = qMin(height, m_image.height());
        const int bytes = qMin(width, m_image.width()) * 3;
        for (int y = 0; y < rows; ++y)
            memcpy(resized.scanLine(y), m_image.constScanLine(y), size_t(bytes));
    }
    m_image = resized;
}

void TBitmap::SetPixelFormat24()
{
    if (!m_image.isNull() && m_image.format() != QImage::Format_RGB888)
        m_image = m_image.convertToFormat(QImage::Format_RGB888);
}

void TBitmap::Assign(const QImage& image)
{
    m_image = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB888);
}

void TBitmap::LoadFromStream(const QByteArray& bytes)
{
    if (bytes.isEmpty()) {
        m_image = QImage();
        return;
    }
    Assign(ReadBmp(bytes));
}

void TBitmap::LoadFromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EInvalidGraphic(QStringLiteral("No se puede abrir el archivo '%1'.").arg(path));
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        throw EInvalidGraphic(QStringLiteral("La imagen no es un mapa de bits válido."));
    LoadFromStream(bytes);
}

} // namespace graphics
