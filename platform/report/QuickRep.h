#pragma once

#include "Controls.h"
#include "Page.h"
#include "QRPrinter.h"

#include <QObject>
#include <QPointer>
#include <QSizeF>
#include <functional>
#include <memory>

namespace report {

class TQRDataSource;
class TQuickRep;

enum class TBandType
{
    PageHeader,
    Detail,
    PageFooter
};

// A horizontal strip of the page: the page header and footer print on every page,
// the detail once per row of the report's data source.
class TQRBand : public QObject
{
    Q_OBJECT
public:
    TQRBand(TQuickRep* report, TBandType type, const QString& name);

    TQuickRep* Report() const;
    TBandType BandType;
    double Height = 0;
    bool Enabled = true;
    // Runs before each printing of the band.
    std::function<void(TQRBand& sender)> BeforePrint;

    // As wide as the page between its margins.
    double Width() const;
    // The band's elements in the order they were added, which is the order they paint.
    QVector<TQRControl*> Controls() const;

    // Adds an element in the report's font.
    template <class T> T* Add(const QString& name) { return new T(this, name); }
};

enum class TOrientation
{
    Portrait,
    Landscape
};

// A banded report laid out in millimetres. A run walks the data source once and
// lays out every page into the report's printer object.
class TQuickRep : public QObject
{
    Q_OBJECT
public:
    explicit TQuickRep(QObject* owner = nullptr);
    ~TQuickRep() override;

    QSizeF PaperSize{210.0, 297.0}; // upright, millimetres
    TOrientation Orientation = TOrientation::Portrait;
    double LeftMargin = 10.0;
    double TopMargin = 10.0;
    double RightMargin = 10.0;
    double BottomMargin = 10.0;
    TQRFont Font;
    bool FirstPageHeader = true; // the page header prints on the first page too
    bool LastPageFooter = true;  // the page footer prints on the last page too
    bool PrintIfEmpty = true;    // one page of header and footer when there are no rows
    std::shared_ptr<TQRDataSource> DataSet;
    // For a report whose rows, and all that its detail band prints, stay as they are
    // from one run to the next, only its page header and footer changing: a run then
    // lays out anew the header and footer of each page and keeps what lies between
    // them from the last run (the detail band's events do not run again). A run on
    // other pages, margins or bands than the last, or whose header comes out of
    // another height, lays out the whole report.
    bool KeepDetail = false;

    // Runs at the start of every run (the counting pass included).
    std::function<void(TQuickRep& sender)> BeforePrint;
    // Runs once the preview window has closed.
    std::function<void(TQuickRep& sender)> AfterPreview;

    QSizeF PageSize() const;
    double PrintableWidth() const;

    TQRBand* AddBand(TBandType type, const QString& name, double height);
    TQRBand* Band(TBandType type) const;

    TQRPrinter* QRPrinter() const { return m_printer; }
    void SetQRPrinter(TQRPrinter* printer) { m_printer = printer; }

    // The page being laid out, during a run.
    int PageNumber() const { return m_pageNumber; }

    // The counting pass: runs the report without showing it; the printer object
    // then holds the pages, and so their count.
    void Prepare();
    // Opens the preview window, runs the report into it, shows it and returns when
    // the window closes; the other windows keep working meanwhile.
    void Preview();
    bool PreviewOpen() const { return !m_preview.isNull(); }

private:
    struct TLastRun;

    void Run();

    QPointer<TQRPrinter> m_printer;
    QPointer<QObject> m_preview;
    int m_pageNumber = 0;
    std::unique_ptr<TLastRun> m_lastRun;
};

} // namespace report
