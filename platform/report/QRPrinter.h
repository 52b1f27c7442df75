#pragma once

#include "Page.h"

#include <QObject>
#include <QVector>

namespace report {

// The store of a report's pages: filled by a run of the report or loaded from a
// saved file, shown by the preview, printed and saved from there.
class TQRPrinter : public QObject
{
    Q_OBJECT
public:
    explicit TQRPrinter(QObject* owner = nullptr);

    int PageCount() const { return int(m_pages.size()); }
    const QVector<TQRPage>& Pages() const { return m_pages; }
    void SetPages(QVector<TQRPage> pages);

    // True when the pages came from a saved file rather than from a run.
    bool LoadedFromFile() const { return m_loaded; }
    // Changes each time the pages are replaced.
    quint64 Serial() const { return m_serial; }

    // Both throw: EReportFileError for a file that is no saved report,
    // EReportError when the file cannot be opened or written.
    void Load(const QString& fileName);
    void Save(const QString& fileName) const;

    // Shows the pages in the standard preview window and returns at once.
    void Preview();

signals:
    void PagesChanged();

private:
    QVector<TQRPage> m_pages;
    bool m_loaded = false;
    quint64 m_serial = 0;
};

} // namespace report
