#include "QRStandardPreview.h"

#include "PrintDialogs.h"
#include "platform/report/QRPrinter.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportFile.h"
#include "platform/report/Units.h"
#include "platform/ui/Connect.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/Messages.h"
#include "platform/ui/OrdenTabulacion.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace report {

namespace {
constexpr int kPaperMargin = 12; // pixels of desk around the sheet
const QString kReportFilter = QStringLiteral("Informes guardados (*.qrp)|*.qrp");
} // namespace

// The sheet on its desk, painted at the preview's zoom.
class TPageView : public QWidget
{
public:
    explicit TPageView(QWidget* parent) : QWidget(parent)
    {
        setAutoFillBackground(true);
        QPalette desk = palette();
        desk.setColor(QPalette::Window, QColor(128, 128, 128));
        setPalette(desk);
    }

    void SetPage(const TQRPage* page, double pixelsPerMm)
    {
        m_page = page;
        m_scale = pixelsPerMm;
        const QSize sheet = SheetSize();
        setFixedSize(sheet.width() + 2 * kPaperMargin, sheet.height() + 2 * kPaperMargin);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!m_page)
            return;
        QPainter painter(this);
        const QRectF sheet(QPointF(kPaperMargin, kPaperMargin), SheetSize());
        painter.fillRect(sheet.translated(3, 3), QColor(64, 64, 64));
        PaintPage(painter, *m_page, sheet);
    }

private:
    QSize SheetSize() const
    {
        if (!m_page)
            return QSize(0, 0);
        return QSize(qMax(1, qRound(m_page->Size.width() * m_scale)),
                     qMax(1, qRound(m_page->Size.height() * m_scale)));
    }

    const TQRPage* m_page = nullptr;
    double m_scale = 1.0;
};

TQRStandardPreview::TQRStandardPreview(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TQRStandardPreview"));
    setWindowTitle(QStringLiteral("Vista previa"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The program ends when its main window closes, whatever preview is open.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("ToolBar"));
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // Every button is also a key, named in its tooltip, and a stop of the window's Tab
    // round: the preview works without a mouse.
    auto add = [&](const QString& name, const QString& text, const QString& tip,
                   const QList<QKeySequence>& keys, auto slot) {
        QAction* action = AddAction(name, text, tip, keys);
        ui::Connect(action, &QAction::triggered, this, slot);
        tools->addAction(action);
        QWidget* button = tools->widgetForAction(action);
        button->setObjectName(name);
        button->setFocusPolicy(Qt::TabFocus);
        button->installEventFilter(this);
    };
    add(QStringLiteral("ZoomToFit"), QStringLiteral("Ajustar"),
        QStringLiteral("Ver la página entera"), {QKeySequence(Qt::CTRL | Qt::Key_1)},
        &TQRStandardPreview::ZoomToFitClick);
    add(QStringLiteral("ZoomTo100"), QStringLiteral("100 %"), QStringLiteral("Ver a tamaño real"),
        {QKeySequence(Qt::CTRL | Qt::Key_2)}, &TQRStandardPreview::ZoomTo100Click);
    add(QStringLiteral("ZoomToWidth"), QStringLiteral("Ancho"),
        QStringLiteral("Ajustar al ancho de la página"), {QKeySequence(Qt::CTRL | Qt::Key_3)},
        &TQRStandardPreview::ZoomToWidthClick);
    tools->addSeparator();
    add(QStringLiteral("FirstPage"), QStringLiteral("|<"), QStringLiteral("Primera página"),
        {QKeySequence(Qt::CTRL | Qt::Key_Home)}, &TQRStandardPreview::FirstPageClick);
    add(QStringLiteral("PrevPage"), QStringLiteral("<"), QStringLiteral("Página anterior"),
        {QKeySequence(Qt::Key_PageUp)}, &TQRStandardPreview::PrevPageClick);
    add(QStringLiteral("NextPage"), QStringLiteral(">"), QStringLiteral("Página siguiente"),
        {QKeySequence(Qt::Key_PageDown)}, &TQRStandardPreview::NextPageClick);
    add(QStringLiteral("LastPage"), QStringLiteral(">|"), QStringLiteral("Última página"),
        {QKeySequence(Qt::CTRL | Qt::Key_End)}, &TQRStandardPreview::LastPageClick);
    tools->addSeparator();
    add(QStringLiteral("PrinterSetup"), QStringLiteral("Impresora"),
        QStringLiteral("Configurar la impresora"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
        &TQRStandardPreview::PrinterSetupClick);
    add(QStringLiteral("Print"), QStringLiteral("Imprimir"), QStringLiteral("Imprimir el informe"),
        {QKeySequence(Qt::CTRL | Qt::Key_P)}, &TQRStandardPreview::PrintClick);
    tools->addSeparator();
    add(QStringLiteral("SaveReport"), QStringLiteral("Guardar"),
        QStringLiteral("Guardar el informe en un archivo"), {QKeySequence(Qt::CTRL | Qt::Key_S)},
        &TQRStandardPreview::SaveReportClick);
    add(QStringLiteral("LoadReport"), QStringLiteral("Abrir"),
        QStringLiteral("Abrir un informe guardado"), {QKeySequence(Qt::CTRL | Qt::Key_O)},
        &TQRStandardPreview::LoadReportClick);
    tools->addSeparator();
    // The questionnaire's preview has no caption bar to close it by.
    add(QStringLiteral("Exit"), QStringLiteral("Cerrar"), QStringLiteral("Cerrar la vista previa"),
        {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)},
        &TQRStandardPreview::ExitClick);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("PageArea"));
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_view = new TPageView(m_scroll);
    m_scroll->setWidget(m_view);

    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("PageLabel"));
    m_pageLabel->setContentsMargins(6, 2, 6, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(m_pageLabel);
    // A button that did not fit would hide in the tool bar's overflow menu, out of the
    // Tab round.
    setMinimumWidth(tools->sizeHint().width());
    resize(800, 600);
    UpdateView();
    // The toolkit's order: the buttons from left to right, then the page, where the
    // window starts so that the arrows scroll it at once.
    ui::OrdenTabulacion(this, {});
    m_scroll->setFocus(Qt::OtherFocusReason);
}

TQRStandardPreview::~TQRStandardPreview() = default;

QAction* TQRStandardPreview::AddAction(const QString& name, const QString& text, const QString& tip,
                                       const QList<QKeySequence>& keys)
{
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcuts(keys);
    action->setToolTip(
        QStringLiteral("%1 (%2)").arg(tip, keys.value(0).toString(QKeySequence::NativeText)));
    addAction(action);
    return action;
}

bool TQRStandardPreview::focusNextPrevChild(bool next)
{
    return ui::Tabular(this, next) || QWidget::focusNextPrevChild(next);
}

bool TQRStandardPreview::eventFilter(QObject* watched, QEvent* event)
{
    // Enter presses the button with the focus, as Space does.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QToolButton*>(watched);
        if (button && (key == Qt::Key_Return || key == Qt::Key_Enter) &&
            static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
            button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TQRStandardPreview::ShowPrinter(TQRPrinter* printer)
{
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = printer;
    if (!printer)
        return;
    connect(printer, &TQRPrinter::PagesChanged, this, [this] {
        if (m_source)
            SetPages(m_source->Pages());
    });
    SetPages(printer->Pages());
}

void TQRStandardPreview::SetPages(const QVector<TQRPage>& pages)
{
    m_pages = pages;
    ShowPage(m_pages.isEmpty() ? -1 : 0);
}

double TQRStandardPreview::PixelsPerMm() const
{
    const double full = logicalDpiX() / kMmPerInch;
    if (m_current < 0 || m_zoom == TZoom::Full)
        return full;
    const QSizeF page = m_pages.at(m_current).Size;
    const QSize room = m_scroll->maximumViewportSize() - QSize(2 * kPaperMargin, 2 * kPaperMargin);
    const double byWidth =
        (room.width() - m_scroll->verticalScrollBar()->sizeHint().width()) / page.width();
    if (m_zoom == TZoom::Width)
        return qMax(0.1, byWidth);
    return qMax(0.1, qMin(room.width() / page.width(), room.height() / page.height()));
}

void TQRStandardPreview::ShowPage(int index)
{
    m_current = m_pages.isEmpty() ? -1 : qBound(0, index, int(m_pages.size()) - 1);
    UpdateView();
}

void TQRStandardPreview::UpdateView()
{
    m_view->SetPage(m_current >= 0 ? &m_pages.at(m_current) : nullptr, PixelsPerMm());
    m_pageLabel->setText(QStringLiteral("Página %1 de %2").arg(CurrentPage()).arg(PageCount()));
}

void TQRStandardPreview::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_zoom != TZoom::Full)
        UpdateView();
}

void TQRStandardPreview::ZoomToFitClick()
{
    m_zoom = TZoom::Fit;
    UpdateView();
}

void TQRStandardPreview::ZoomTo100Click()
{
    m_zoom = TZoom::Full;
    UpdateView();
}

void TQRStandardPreview::ZoomToWidthClick()
{
    m_zoom = TZoom::Width;
    UpdateView();
}

void TQRStandardPreview::FirstPageClick()
{
    ShowPage(0);
}

void TQRStandardPreview::PrevPageClick()
{
    ShowPage(m_current - 1);
}

void TQRStandardPreview::NextPageClick()
{
    ShowPage(m_current + 1);
}

void TQRStandardPreview::LastPageClick()
{
    ShowPage(int(m_pages.size()) - 1);
}

QPrinter& TQRStandardPreview::Printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setFullPage(true);
        m_printer->setDocName(QStringLiteral("Informe"));
    }
    if (!m_paperChosen && !m_pages.isEmpty()) {
        const QSizeF size = m_pages.first().Size;
        const bool wide = size.width() > size.height();
        m_printer->setPageOrientation(wide ? QPageLayout::Landscape : QPageLayout::Portrait);
        m_printer->setPageSize(QPageSize(wide ? size.transposed() : size, QPageSize::Millimeter,
                                         QString(), QPageSize::FuzzyMatch));
    }
    return *m_printer;
}

void TQRStandardPreview::PrinterSetupClick()
{
    if (ShowPrintDialog(this, Printer(), TPrintDialogKind::Setup))
        m_paperChosen = true;
}

void TQRStandardPreview::PrintClick()
{
    if (m_pages.isEmpty())
        return;
    QPrinter& printer = Printer();
    printer.setFromTo(0, 0);
    printer.setPrintRange(QPrinter::AllPages);
    if (!ShowPrintDialog(this, printer, TPrintDialogKind::Print))
        return;
    m_paperChosen = true;
    int first = 0;
    int last = PageCount() - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage() - 1;
        last = qMax(first, printer.toPage() - 1);
    } else if (printer.printRange() == QPrinter::CurrentPage) {
        first = last = m_current;
    }
    try {
        PrintPages(printer, m_pages, first, last);
    } catch (const EReportError& error) {
        Warn(QString::fromStdString(error.what()));
    }
}

void TQRStandardPreview::SaveReportClick()
{
    ui::SaveFileRequest request;
    request.title = QStringLiteral("Guardar informe");
    request.filter = kReportFilter;
    request.defaultSuffix = QStringLiteral("qrp");
    const ui::SaveFileResult answer = ui::ShowSaveFileDialog(this, request);
    if (!answer.accepted || answer.path.isEmpty())
        return;
    QString path = answer.path;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".qrp");
    try {
        SaveReportFile(path, m_pages);
    } catch (const EReportError& error) {
        Warn(QString::fromStdString(error.what()));
    }
}

void TQRStandardPreview::LoadReportClick()
{
    ui::OpenFileRequest request;
    request.title = QStringLiteral("Abrir informe");
    request.filter = kReportFilter;
    request.fileMustExist = true;
    const ui::OpenFileResult answer = ui::ShowOpenFileDialog(this, request);
    if (!answer.accepted || answer.path.isEmpty())
        return;
    try {
        QVector<TQRPage> pages = LoadReportFile(answer.path);
        // From now on the window shows the file, not the report it came from.
        ShowPrinter(nullptr);
        SetPages(pages);
    } catch (const EReportError& error) {
        Warn(QString::fromStdString(error.what()));
    }
}

void TQRStandardPreview::ExitClick()
{
    close();
}

void TQRStandardPreview::Warn(const QString& text)
{
    ui::ShowMessageBox({QStringLiteral("DIMARVOLTECA"), text, QMessageBox::Warning});
}

void TQRStandardPreview::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted()) {
        m_closed = true;
        emit Closed();
    }
}

} // namespace report
