#pragma once

#include "platform/report/DataSource.h"
#include "platform/report/Page.h"
#ifdef QT_PRINTSUPPORT_LIB
#include "platform/report/preview/PrintDialogs.h"
#include <QPrinter>
#endif

#include <QApplication>
#include <QFile>
#include <QMap>
#include <QPointer>
#include <QProcess>
#include <QVector>
#include <QWidget>
#include <algorithm>

namespace testing {

// Rows held in memory, walked as a report walks its table.
class RowSource : public report::TQRDataSource
{
public:
    explicit RowSource(QVector<QMap<QString, QString>> rows) : m_rows(std::move(rows)) {}

    void First() override { m_row = 0; }
    void Next() override { ++m_row; }
    bool Eof() const override { return m_row >= m_rows.size(); }
    QString FieldText(const QString& field) const override { return m_rows.at(m_row).value(field); }

private:
    QVector<QMap<QString, QString>> m_rows;
    int m_row = 0;
};

// Whether two places on a page, in millimetres, are the same to a fiftieth of one.
inline bool Near(double a, double b, double tolerance = 0.02)
{
    return qAbs(a - b) < tolerance;
}

inline QVector<report::TPageItem> ItemsOf(const report::TQRPage& page, const QString& source,
                                          report::TItemKind kind)
{
    QVector<report::TPageItem> found;
    for (const report::TPageItem& item : page.Items)
        if (item.Source == source && item.Kind == kind)
            found << item;
    return found;
}

// The page's printed texts of one element, line after line.
inline QStringList TextsOf(const report::TQRPage& page, const QString& source)
{
    QStringList texts;
    for (const report::TPageItem& item : ItemsOf(page, source, report::TItemKind::Text))
        texts << item.Text;
    return texts;
}

// Deletes every preview window left open. Deleting one window may delete others
// of the list (its pop-up menus), so they are all named before any goes.
inline void DeletePreviews()
{
    QList<QPointer<QWidget>> previews;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("TQRStandardPreview"))
            previews << window;
    for (const QPointer<QWidget>& preview : previews)
        delete preview.data();
}

// The text of a PDF's pages through poppler's pdftotext, pages separated by form feeds.
inline QString PdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// How many pages a PDF file has.
inline int PdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = file.readAll();
    if (!pdf.startsWith("%PDF"))
        return -1;
    int count = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0;
         at = pdf.indexOf("/Type /Page", at + 1))
        if (pdf.mid(at, 12) != "/Type /Pages")
            ++count;
    return count;
}

#ifdef QT_PRINTSUPPORT_LIB
// Answers the print dialogs by printing to the PDF file `path` (pages `from` to `to` when
// given), and remembers which dialogs were asked.
class PdfAnswer
{
public:
    explicit PdfAnswer(const QString& path, int from = 0, int to = 0)
    {
        m_previous =
            report::SetPrintDialogHook([=](QPrinter& printer, report::TPrintDialogKind kind) {
                kinds << kind;
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(path);
                if (from > 0) {
                    printer.setPrintRange(QPrinter::PageRange);
                    printer.setFromTo(from, to);
                }
                return true;
            });
    }
    ~PdfAnswer() { report::SetPrintDialogHook(m_previous); }
    QList<report::TPrintDialogKind> kinds;

private:
    report::PrintDialogHook m_previous;
};
#endif

} // namespace testing
