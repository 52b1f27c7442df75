#pragma once

#include "Page.h"

#include <QByteArray>
#include <QString>
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

// What a saved report may hold. The questionnaire and the indicator report lay out A4
// pages in "Arial" and "Book Antiqua", plain, bold or underlined, at 14 points at most,
// in the same eight fonts or so on every page, some hundreds of elements and a few thousand
// characters a page, and two pictures (the fixed one and the centre's logo). The limits leave room
// above that; a file beyond them was not written by the program and is refused as
// damaged, and within them any file opens, and paints each of its pages, at once. The
// writer refuses to write beyond them.
//
// What a page costs to paint comes from more than its size in bytes: glyphs drawn larger
// than the toolkit caches them are drawn as outlines, one by one, so the paper is the
// reports' own and the letters no larger than theirs; and each font a page prints in is
// found, and its glyphs made, on its own, for every script it prints, so a file holds a
// handful of fonts: a page that brings new ones would cost their finding again.
constexpr quint32 kMaxReportBody = 32u * 1024 * 1024; // bytes
constexpr quint32 kMaxReportPages = 10000;
constexpr quint32 kMaxReportItems = 384 * 1024; // in the whole file
constexpr quint32 kMaxPageItems = 4096;
// Characters (UTF-16 units) of all the texts of one page.
constexpr qint64 kMaxPageText = 16384;
// What a page paints, in pages of its own size, each element weighed by what it costs to
// paint: a fill by its area; a picture by four times its area; a line or a frame as a
// band 4 mm wide along it and 4 mm longer, four times that when dashed or dotted.
constexpr double kMaxPageInk = 4.0;
constexpr double kPictureInk = 4.0;
constexpr double kStrokeInk = 4.0; // millimetres
constexpr double kDashedInk = 4.0;
// A4, upright or turned.
constexpr double kPaperWidth = 210.0;  // millimetres
constexpr double kPaperHeight = 297.0; // millimetres
constexpr double kMaxFontPoints = 14.0;
// Fonts (family, size and style) of the texts of the whole file.
constexpr int kMaxReportFonts = 16;
// Every place and size of an element, in millimetres either way from the page's corner.
constexpr double kMaxPlace = 2 * kPaperHeight;
constexpr double kMaxPenWidth = 1.0;   // millimetres
constexpr quint32 kMaxSourceName = 64; // bytes of an element's name
constexpr quint32 kMaxImages = 16;
constexpr qint64 kMaxImagePixels = 2048LL * 2048;
// The largest picture and room for the others.
constexpr qint64 kMaxTotalPixels = kMaxImagePixels + 1024LL * 1024;

// Writes the pages; throws EReportError when they hold more than a saved report may,
// or when the device refuses the bytes.
void WriteReport(QIODevice& device, const QVector<TQRPage>& pages);

// Reads the pages written by WriteReport; throws EReportFileError otherwise.
QVector<TQRPage> ReadReport(QIODevice& device);

// The same on a file. Saving writes aside and puts the file in place at the end,
// so a failed save never spoils the file that was there.
void SaveReportFile(const QString& fileName, const QVector<TQRPage>& pages);
QVector<TQRPage> LoadReportFile(const QString& fileName);

// The body WriteReport writes for `pages`, without refusing what a saved report may not
// hold: the tests make with it files that the program does not write.
QByteArray ReportFileBody(const QVector<TQRPage>& pages);

// The bytes WriteReport puts before a body. The loader's fuzz target frames its
// input with it to reach the body reader past the checksum.
QByteArray ReportFileHeader(const QByteArray& body);

} // namespace report
