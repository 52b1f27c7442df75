#pragma once

#include "platform/report/Page.h"

#include <QKeySequence>
#include <QList>
#include <QPointer>
#include <QVector>
#include <QWidget>
#include <memory>

class QAction;
class QLabel;
class QPrinter;
class QScrollArea;

namespace report {

class TQRPrinter;
class TPageView;

// The print preview: browses the pages at three zooms, prints them (to a printer
// or a PDF file), saves them to a ".qrp" file and loads one.
class TQRStandardPreview : public QWidget
{
    Q_OBJECT
public:
    explicit TQRStandardPreview(QWidget* parent = nullptr);
    ~TQRStandardPreview() override;

    // Shows the printer's pages and follows them while they change.
    void ShowPrinter(TQRPrinter* printer);
    void SetPages(const QVector<TQRPage>& pages);
    const QVector<TQRPage>& Pages() const { return m_pages; }

    int PageCount() const { return int(m_pages.size()); }
    int CurrentPage() const { return m_current + 1; } // 1-based; 0 without pages

    enum class TZoom
    {
        Fit,
        Full,
        Width
    };
    Q_ENUM(TZoom)
    TZoom ZoomMode() const { return m_zoom; }
    double PixelsPerMm() const;

    // Closed windows linger until the event loop deletes them.
    bool IsClosed() const { return m_closed; }

public slots:
    void ZoomToFitClick();
    void ZoomTo100Click();
    void ZoomToWidthClick();
    void FirstPageClick();
    void PrevPageClick();
    void NextPageClick();
    void LastPageClick();
    void PrinterSetupClick();
    void PrintClick();
    void SaveReportClick();
    void LoadReportClick();
    void ExitClick();

signals:
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QAction* AddAction(const QString& name, const QString& text, const QString& tip,
                       const QList<QKeySequence>& keys);
    void ShowPage(int index);
    void UpdateView();
    QPrinter& Printer();
    void Warn(const QString& text);

    QVector<TQRPage> m_pages;
    QPointer<TQRPrinter> m_source;
    int m_current = -1;
    TZoom m_zoom = TZoom::Fit;
    QScrollArea* m_scroll = nullptr;
    TPageView* m_view = nullptr;
    QLabel* m_pageLabel = nullptr;
    std::unique_ptr<QPrinter> m_printer;
    bool m_paperChosen = false; // the printer's paper is the user's, not the pages' own
    bool m_closed = false;
};

} // namespace report
