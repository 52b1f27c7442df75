#include "platform/report/ReportError.h"
#include "platform/report/ReportFile.h"

#include <QBuffer>
#include <QtGlobal>

namespace {

void Load(const QByteArray& file)
{
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    try {
        report::ReadReport(buffer);
    } catch (const report::EReportFileError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // zlib's complaints about damaged pictures are expected here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // As a whole file, and as the body of a well-framed one, to get past the checksum.
    Load(bytes);
    Load(report::ReportFileHeader(bytes) + bytes);
    return 0;
}
