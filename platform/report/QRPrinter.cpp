#include "QRPrinter.h"

#include "Previewer.h"
#include "ReportError.h"
#include "ReportFile.h"

namespace report {

TQRPrinter::TQRPrinter(QObject* owner) : QObject(owner) {}

void TQRPrinter::SetPages(QVector<TQRPage> pages)
{
    m_pages = std::move(pages);
    m_loaded = false;
    ++m_serial;
    emit PagesChanged();
}

void TQRPrinter::Load(const QString& fileName)
{
    m_pages = LoadReportFile(fileName);
    m_loaded = true;
    ++m_serial;
    emit PagesChanged();
}

void TQRPrinter::Save(const QString& fileName) const
{
    SaveReportFile(fileName, m_pages);
}

void TQRPrinter::Preview()
{
    TPreviewer* previewer = StandardPreviewer();
    if (!previewer)
        throw EReportError(QStringLiteral("No hay ventana de vista previa."));
    previewer->Show(previewer->Open(*this, {}));
}

} // namespace report
