#pragma once

#include "Page.h"

#include <QByteArray>
#include <QVector>

class QIODevice;

namespace report {

// Saved reports (".qrp"): the laid-out pages, in a format of our own.
//
//   header  magic "DMV-QRP" 0x1A, version (u16), flags (u16, 0),
//           body length (u32), CRC-32 of the body (u32)
//   body    images, then pages with their items; every number big-endian,
//           texts as a byte length and UTF-8, places as IEEE doubles in mm.
//
// Every count and length is checked against what is left before anything is
// allocated, so a foreign, truncated or damaged file is refused, never trusted.

constexpr quint16 kReportFileVersion = 1;

// Writes the pages; throws EReportError when the device refuses the bytes.
void WriteReport(QIODevice& device, const QVector<TQRPage>& pages);

// Reads the pages written by WriteReport; throws EReportFileError otherwise.
QVector<TQRPage> ReadReport(QIODevice& device);

// The same on a file. Saving writes aside and puts the file in place at the end,
// so a failed save never spoils the file that was there.
void SaveReportFile(const QString& fileName, const QVector<TQRPage>& pages);
QVector<TQRPage> LoadReportFile(const QString& fileName);

// The bytes WriteReport puts before a body. The loader's fuzz target frames its
// input with it to reach the body reader past the checksum.
QByteArray ReportFileHeader(const QByteArray& body);

} // namespace report
