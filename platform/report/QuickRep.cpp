#include "QuickRep.h"

#include "DataSource.h"
#include "Previewer.h"
#include "QRPrinter.h"
#include "ReportError.h"

#include <QEventLoop>
#include <optional>

namespace report {

namespace {

constexpr double kEpsilon = 1e-6;

struct TRenderedBand
{
    double Height = 0;
    QVector<TPageItem> Items; // band coordinates
};

// Where a laid-out page's header and footer lie among its items: the header's come
// first, the footer's last.
struct TPageParts
{
    bool Header = false;
    double HeaderHeight = 0;
    int HeaderEnd = 0;
    int FooterBegin = 0;
};

// What places a run's bands on its pages, besides the bands' own contents.
struct TFlowKey
{
    QSizeF Size;
    double Left = 0;
    double Top = 0;
    double BodyBottom = 0;
    bool FirstPageHeader = false;
    bool LastPageFooter = false;
    const TQRBand* Header = nullptr;
    const TQRBand* Detail = nullptr;
    const TQRBand* Footer = nullptr;
    const TQRDataSource* Rows = nullptr;

    bool operator==(const TFlowKey& o) const
    {
        return Size == o.Size && Left == o.Left && Top == o.Top && BodyBottom == o.BodyBottom &&
               FirstPageHeader == o.FirstPageHeader && LastPageFooter == o.LastPageFooter &&
               Header == o.Header && Detail == o.Detail && Footer == o.Footer && Rows == o.Rows;
    }
};

// Lays a run's bands out page after page.
class TPageFlow
{
public:
    TPageFlow(TQuickRep& report, int& pageNumber) : m_report(report), m_pageNumber(pageNumber)
    {
        m_header = EnabledBand(TBandType::PageHeader);
        m_detail = EnabledBand(TBandType::Detail);
        m_footer = EnabledBand(TBandType::PageFooter);
        m_size = report.PageSize();
    }

    QVector<TQRPage> Run()
    {
        TQRDataSource* rows = m_report.DataSet.get();
        if (rows)
            rows->First();
        const bool empty = !rows || rows->Eof();
        if (empty && !m_report.PrintIfEmpty)
            return {};
        StartPage();
        if (rows && m_detail) {
            for (; !rows->Eof(); rows->Next())
                PrintDetail(Render(m_detail));
        }
        FinishPage(true);
        return std::move(m_pages);
    }

    // Lays out anew the header and footer of the pages `before`, laid out by a run
    // of this key into `parts`, keeping what lies between them. Empty when a
    // header comes out of another height than it had there.
    std::optional<QVector<TQRPage>> Refresh(const QVector<TQRPage>& before,
                                            const std::vector<TPageParts>& parts)
    {
        for (qsizetype i = 0; i < before.size(); ++i) {
            const TPageParts& was = parts.at(size_t(i));
            StartPage();
            if (m_parts.back().Header != was.Header ||
                qAbs(m_parts.back().HeaderHeight - was.HeaderHeight) > kEpsilon)
                return std::nullopt;
            const QVector<TPageItem>& items = before.at(i).Items;
            QVector<TPageItem>& out = m_pages.last().Items;
            out.reserve(out.size() + items.size() - was.HeaderEnd);
            out.append(items.constBegin() + was.HeaderEnd, items.constBegin() + was.FooterBegin);
            FinishPage(i == before.size() - 1);
        }
        return std::move(m_pages);
    }

    TFlowKey Key() const
    {
        return {m_size,
                m_report.LeftMargin,
                m_report.TopMargin,
                BodyBottom(),
                m_report.FirstPageHeader,
                m_report.LastPageFooter,
                m_header,
                m_detail,
                m_footer,
                m_report.DataSet.get()};
    }

    std::vector<TPageParts> TakeParts() { return std::move(m_parts); }

private:
    TQRBand* EnabledBand(TBandType type) const
    {
        TQRBand* band = m_report.Band(type);
        return band && band->Enabled ? band : nullptr;
    }

    double BodyBottom() const
    {
        return m_size.height() - m_report.BottomMargin - (m_footer ? m_footer->Height : 0.0);
    }

    static TRenderedBand Render(TQRBand* band)
    {
        if (band->BeforePrint)
            band->BeforePrint(*band);
        QVector<TQRControl*> controls = band->Controls();
        controls.erase(std::remove_if(controls.begin(), controls.end(),
                                      [](TQRControl* c) { return !c->Enabled; }),
                       controls.end());
        // Data-bound texts take their values (and run their print events) first,
        // so that those events can change the band's other elements.
        for (TQRControl* control : controls)
            control->BeforeBandPrint();
        TRenderedBand rendered;
        rendered.Height = band->Height;
        for (TQRControl* control : controls) {
            const auto* label = qobject_cast<const TQRCustomLabel*>(control);
            if (label && label->AutoStretch)
                rendered.Height = qMax(rendered.Height, label->Top + label->PrintHeight());
        }
        for (TQRControl* control : controls)
            control->Emit(rendered.Items);
        return rendered;
    }

    void StartPage()
    {
        ++m_pageNumber;
        // A page holds about as many items as the one before it.
        const qsizetype items = m_pages.isEmpty() ? 0 : m_pages.last().Items.size();
        m_pages.append(TQRPage{m_size, {}});
        m_pages.last().Items.reserve(items);
        m_parts.emplace_back();
        m_y = m_report.TopMargin;
        if (m_header && (m_pageNumber > 1 || m_report.FirstPageHeader)) {
            const TRenderedBand band = Render(m_header);
            Place(band.Items, 0, band.Height, m_y);
            m_y += band.Height;
            m_parts.back().Header = true;
            m_parts.back().HeaderHeight = band.Height;
        }
        m_parts.back().HeaderEnd = int(m_pages.last().Items.size());
        m_bodyTop = m_y;
    }

    void FinishPage(bool last)
    {
        m_parts.back().FooterBegin = int(m_pages.last().Items.size());
        if (!m_footer || (last && !m_report.LastPageFooter))
            return;
        const TRenderedBand band = Render(m_footer);
        Place(band.Items, 0, band.Height, BodyBottom());
    }

    void PrintDetail(const TRenderedBand& band)
    {
        if (m_y + band.Height > BodyBottom() + kEpsilon && m_y > m_bodyTop + kEpsilon) {
            FinishPage(false);
            StartPage();
        }
        // A band taller than a whole page goes on over the next pages, cut between
        // its lines of text, so that nothing of it is lost.
        double from = 0;
        for (;;) {
            const double room = BodyBottom() - m_y;
            if (band.Height - from <= room + kEpsilon || room < 1.0) {
                Place(band.Items, from, band.Height, m_y);
                m_y += band.Height - from;
                return;
            }
            double cut = from + room;
            for (const TPageItem& item : band.Items) {
                if (item.Kind == TItemKind::Text && item.Rect.top() > from + kEpsilon &&
                    item.Rect.top() < cut && item.Rect.bottom() > from + room + kEpsilon)
                    cut = item.Rect.top();
            }
            Place(band.Items, from, cut, m_y);
            from = cut;
            FinishPage(false);
            StartPage();
        }
    }

    // Puts the part of a band between `from` and `to` (band coordinates) on the
    // current page with its `from` at `pageY`.
    void Place(const QVector<TPageItem>& items, double from, double to, double pageY)
    {
        QVector<TPageItem>& out = m_pages.last().Items;
        const QPointF shift(m_report.LeftMargin, pageY - from);
        for (TPageItem item : items) {
            QRectF rect = item.Rect;
            switch (item.Kind) {
            case TItemKind::Text:
            case TItemKind::Image:
                if (rect.top() < from - kEpsilon || rect.top() >= to - kEpsilon)
                    continue;
                break;
            case TItemKind::Line:
                if (rect.top() > rect.bottom())
                    rect = QRectF(rect.bottomRight(), rect.topLeft());
                if (rect.bottom() < from - kEpsilon || rect.top() > to + kEpsilon)
                    continue;
                if (rect.height() > 0) {
                    rect.setTop(qMax(rect.top(), from));
                    rect.setBottom(qMin(rect.bottom(), to));
                }
                break;
            case TItemKind::Fill:
            case TItemKind::Frame:
                rect.setTop(qMax(rect.top(), from));
                rect.setBottom(qMin(rect.bottom(), to));
                if (rect.height() < -kEpsilon)
                    continue;
                break;
            }
            item.Rect = rect.translated(shift);
            if (item.Kind == TItemKind::Text)
                item.Baseline += shift.y();
            out.append(std::move(item));
        }
    }

    TQuickRep& m_report;
    int& m_pageNumber;
    TQRBand* m_header = nullptr;
    TQRBand* m_detail = nullptr;
    TQRBand* m_footer = nullptr;
    QSizeF m_size;
    QVector<TQRPage> m_pages;
    std::vector<TPageParts> m_parts;
    double m_y = 0;
    double m_bodyTop = 0;
};

} // namespace

// The last run's pages as laid out, for a run that keeps its detail.
struct TQuickRep::TLastRun
{
    TFlowKey Key;
    std::vector<TPageParts> Parts;
    const TQRPrinter* Printer = nullptr;
    quint64 Serial = 0;
};

TQRBand::TQRBand(TQuickRep* report, TBandType type, const QString& name)
    : QObject(report), BandType(type)
{
    setObjectName(name);
}

TQuickRep* TQRBand::Report() const
{
    return static_cast<TQuickRep*>(parent());
}

double TQRBand::Width() const
{
    return Report() ? Report()->PrintableWidth() : 0.0;
}

QVector<TQRControl*> TQRBand::Controls() const
{
    QVector<TQRControl*> controls;
    for (QObject* child : children())
        if (auto* control = qobject_cast<TQRControl*>(child))
            controls.append(control);
    return controls;
}

TQuickRep::TQuickRep(QObject* owner) : QObject(owner)
{
    m_printer = new TQRPrinter(this);
}

TQuickRep::~TQuickRep()
{
    // The preview goes with its report.
    if (m_preview && StandardPreviewer())
        StandardPreviewer()->Close(m_preview);
}

QSizeF TQuickRep::PageSize() const
{
    return Orientation == TOrientation::Portrait ? PaperSize : PaperSize.transposed();
}

double TQuickRep::PrintableWidth() const
{
    return PageSize().width() - LeftMargin - RightMargin;
}

TQRBand* TQuickRep::AddBand(TBandType type, const QString& name, double height)
{
    auto* band = new TQRBand(this, type, name);
    band->Height = height;
    return band;
}

TQRBand* TQuickRep::Band(TBandType type) const
{
    for (QObject* child : children())
        if (auto* band = qobject_cast<TQRBand*>(child); band && band->BandType == type)
            return band;
    return nullptr;
}

void TQuickRep::Run()
{
    if (!m_printer)
        m_printer = new TQRPrinter(this);
    m_pageNumber = 0;
    if (BeforePrint)
        BeforePrint(*this);
    std::unique_ptr<TLastRun> last = std::move(m_lastRun);
    auto flow = std::make_unique<TPageFlow>(*this, m_pageNumber);
    std::optional<QVector<TQRPage>> pages;
    if (KeepDetail && last && m_printer && last->Printer == m_printer &&
        last->Serial == m_printer->Serial() && last->Key == flow->Key() &&
        last->Parts.size() == size_t(m_printer->PageCount()))
        pages = flow->Refresh(m_printer->Pages(), last->Parts);
    if (!pages) {
        m_pageNumber = 0;
        flow = std::make_unique<TPageFlow>(*this, m_pageNumber);
        pages = flow->Run();
    }
    if (!m_printer)
        return;
    auto run = std::make_unique<TLastRun>();
    run->Key = flow->Key();
    run->Parts = flow->TakeParts();
    run->Printer = m_printer;
    m_printer->SetPages(std::move(*pages));
    run->Serial = m_printer->Serial();
    m_lastRun = std::move(run);
}

void TQuickRep::Prepare()
{
    Run();
}

void TQuickRep::Preview()
{
    TPreviewer* previewer = StandardPreviewer();
    if (!previewer)
        throw EReportError(QStringLiteral("No hay ventana de vista previa."));
    if (!m_printer)
        m_printer = new TQRPrinter(this);

    // The window may close after this call is gone (or the report with it): what
    // the close reaches lives on its own.
    struct TWait
    {
        bool Closed = false;
        QPointer<QEventLoop> Loop;
    };
    auto wait = std::make_shared<TWait>();
    QPointer<TQuickRep> self(this);
    m_preview = previewer->Open(*m_printer, [wait] {
        wait->Closed = true;
        if (wait->Loop)
            wait->Loop->quit();
    });
    try {
        Run();
    } catch (...) {
        if (self && m_preview)
            previewer->Close(m_preview);
        throw;
    }
    // Shown once laid out, unless the run's own events have shown it already.
    if (self && m_preview)
        previewer->Show(m_preview);
    if (!wait->Closed) {
        QEventLoop loop;
        wait->Loop = &loop;
        loop.exec();
    }
    if (!self)
        return;
    m_preview = nullptr;
    if (AfterPreview)
        AfterPreview(*this);
}

} // namespace report
