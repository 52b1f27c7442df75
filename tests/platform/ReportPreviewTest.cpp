#include "ReportTestSupport.h"
#include "Tabulacion.h"
#include "TestSupport.h"
#include "platform/report/QuickRep.h"
#include "platform/report/ReportFile.h"
#include "platform/report/preview/QRStandardPreview.h"
#include "platform/report/preview/StandardPreview.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QMetaEnum>
#include <QPageSize>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollArea>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <functional>

using namespace report;

namespace {

// A report of `rows` numbered rows, 24 to a page.
std::unique_ptr<TQuickRep> NumberedReport(int rows)
{
    auto report = std::make_unique<TQuickRep>();
    QVector<QMap<QString, QString>> data;
    for (int i = 1; i <= rows; ++i)
        data.append({{QStringLiteral("n"), QString::number(i)}});
    report->DataSet = std::make_shared<testing::RowSource>(data);
    report->AddBand(TBandType::PageHeader, QStringLiteral("Header"), 20);
    TQRBand* detail = report->AddBand(TBandType::Detail, QStringLiteral("Detail"), 10);
    report->AddBand(TBandType::PageFooter, QStringLiteral("Footer"), 12);
    auto* number = detail->Add<TQRDBText>(QStringLiteral("Number"));
    number->AutoSize = true;
    number->DataSet = report->DataSet;
    number->DataField = QStringLiteral("n");
    return report;
}

TQRStandardPreview* OpenPreview()
{
    return qobject_cast<TQRStandardPreview*>(FindPreviewWindow());
}

void Click(TQRStandardPreview* preview, const char* action)
{
    QAction* found = preview->findChild<QAction*>(QLatin1String(action));
    QVERIFY2(found, action);
    found->trigger();
}

QString PageText(TQRStandardPreview* preview)
{
    return preview->findChild<QLabel*>(QStringLiteral("PageLabel"))->text();
}

// Notes the texts Qt asks to have translated, without their access keys, and answers
// none, so that the program's own translators still answer. Paper sizes keep their
// names, as in Spanish dialogs, and a few texts read the same in Spanish; texts without
// a word (numbers, units) need none.
class TAskedTexts : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        static const QRegularExpression word(QStringLiteral("[A-Za-z]{3}"));
        const QString text = QString::fromUtf8(source).remove(QLatin1Char('&'));
        if (qstrcmp(context, "QPageSize") != 0 && text.contains(word) &&
            !QStringList{"Color", "Didot (DD)", "Cicero (CC)"}.contains(text))
            asked << text;
        return QString();
    }
    bool isEmpty() const override { return false; }
    mutable QSet<QString> asked;
};

// What a dialog shows: its title, its controls' texts, titles and tooltips, its list
// items and tabs, without their access keys.
QSet<QString> TextsOf(const QWidget* dialog)
{
    QStringList texts{dialog->windowTitle()};
    for (const QWidget* w : dialog->findChildren<QWidget*>()) {
        for (const char* name : {"text", "title", "toolTip"})
            texts << w->property(name).toString();
        if (auto* list = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        if (auto* tabs = qobject_cast<const QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
    }
    for (QString& text : texts)
        text.remove(QLatin1Char('&'));
    return QSet<QString>(texts.begin(), texts.end());
}

} // namespace

class ReportPreviewTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TQuickRep> m_report;

    // The preview of a report of three pages, on its first page, the active window.
    TQRStandardPreview* Opened()
    {
        m_report = NumberedReport(60);
        m_report->Prepare();
        m_report->QRPrinter()->Preview();
        TQRStandardPreview* preview = OpenPreview();
        QApplication::setActiveWindow(preview);
        if (!QTest::qWaitForWindowActive(preview))
            qWarning("the preview does not become the active window");
        return preview;
    }

private slots:
    void initTestCase() { InstallStandardPreview(); }

    void cleanup()
    {
        testing::DeletePreviews();
        m_report.reset();
    }

    void previewWaitsForItsWindowAndTellsWhenItCloses()
    {
        auto report = NumberedReport(30);
        QStringList events;
        report->BeforePrint = [&](TQuickRep&) {
            // The window is there before the run that fills it.
            events << (OpenPreview() ? QStringLiteral("run with window") : QStringLiteral("run"));
        };
        report->AfterPreview = [&](TQuickRep&) { events << QStringLiteral("closed"); };
        report->Prepare();
        QTimer::singleShot(0, [&] {
            TQRStandardPreview* preview = OpenPreview();
            QVERIFY(preview);
            events << QStringLiteral("shown %1").arg(preview->PageCount());
            QCOMPARE(PageText(preview), QStringLiteral("Página 1 de 2"));
            Click(preview, "Exit");
        });
        report->Preview();
        QCOMPARE(events, (QStringList{"run", "run with window", "shown 2", "closed"}));
        QVERIFY(!report->PreviewOpen());
    }

    void aReportGoneTakesItsPreviewWithIt()
    {
        auto report = NumberedReport(3);
        bool after = false;
        report->AfterPreview = [&](TQuickRep&) { after = true; };
        QTimer::singleShot(0, [&] { report.reset(); });
        report->Preview();
        QVERIFY(!report);
        QVERIFY(!after);
        QTRY_VERIFY(!OpenPreview());
    }

    void buttonsBrowseThePages()
    {
        auto report = NumberedReport(60);
        report->Prepare();
        report->QRPrinter()->Preview();
        TQRStandardPreview* preview = OpenPreview();
        QVERIFY(preview && preview->isVisible());
        QCOMPARE(PageText(preview), QStringLiteral("Página 1 de 3"));
        const QStringList steps{"NextPage",  "NextPage", "NextPage", "PrevPage",
                                "FirstPage", "PrevPage", "LastPage"};
        const QList<int> expected{2, 3, 3, 2, 1, 1, 3};
        for (int i = 0; i < steps.size(); ++i) {
            Click(preview, qPrintable(steps.at(i)));
            QCOMPARE(preview->CurrentPage(), expected.at(i));
            QCOMPARE(PageText(preview), QStringLiteral("Página %1 de 3").arg(expected.at(i)));
        }

        preview->resize(700, 500);
        auto* area = preview->findChild<QScrollArea*>(QStringLiteral("PageArea"));
        Click(preview, "ZoomTo100");
        QCOMPARE(preview->PixelsPerMm(), preview->logicalDpiX() / 25.4);
        Click(preview, "ZoomToWidth");
        const int sheet = area->widget()->width();
        QVERIFY(sheet <= area->viewport()->width() + 1);
        QVERIFY(sheet >= area->viewport()->width() - 40);
        Click(preview, "ZoomToFit");
        QVERIFY(area->widget()->height() <= area->maximumViewportSize().height());
        QVERIFY(preview->PixelsPerMm() < preview->logicalDpiX() / 25.4);
    }

    // The Tab round goes over the tool bar's buttons and the page, the same on every page
    // and at every zoom, and Shift+Tab retraces it; the button with the focus shows it.
    void tabGoesRoundThePreview_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::newRow("first page") << QStringList();
        QTest::newRow("middle page") << QStringList{"NextPage"};
        QTest::newRow("last page") << QStringList{"LastPage"};
        QTest::newRow("100 %") << QStringList{"NextPage", "ZoomTo100"};
        QTest::newRow("width") << QStringList{"NextPage", "ZoomToWidth"};
        QTest::newRow("fit again") << QStringList{"ZoomToWidth", "ZoomToFit"};
        QTest::newRow("maximised without caption bar") << QStringList{"NextPage", "NoCaption"};
    }

    void tabGoesRoundThePreview()
    {
        QFETCH(QStringList, clicks);
        TQRStandardPreview* preview = Opened();
        for (const QString& click : clicks)
            click == QLatin1String("NoCaption") ? HidePreviewCaptionBar()
                                                : Click(preview, qPrintable(click));
        QCOMPARE(testing::Vuelta(preview),
                 QStringLiteral("ZoomToFit, ZoomTo100, ZoomToWidth, FirstPage, PrevPage, "
                                "NextPage, LastPage, PrinterSetup, Print, SaveReport, "
                                "LoadReport, Exit, PageArea"));
        QStringList unmarked;
        for (auto* button : preview->findChildren<QToolButton*>()) {
            if (!button->isVisible())
                continue;
            preview->findChild<QScrollArea*>()->setFocus(Qt::TabFocusReason);
            const QImage plain = button->grab().toImage();
            button->setFocus(Qt::TabFocusReason);
            if (button->grab().toImage() == plain)
                unmarked << button->objectName();
        }
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(u' ')));
    }

    // Each button works from the keyboard, from page 2 of 3 where all can act: by its key,
    // which its tooltip names, and by Space or Enter once Tab has reached it.
    void keysWorkTheirButtons_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("tip");   // the keys as the menus name them
        QTest::addColumn<QString>("shown"); // after it, from page 2 at width
        const auto row = [](const char* key, const char* button, const char* tip,
                            const char* shown) {
            QTest::newRow(key) << key << button << tip << shown;
        };
        row("Ctrl+1", "ZoomToFit", "Ver la página entera (Control+1)", "página 2, Fit");
        row("Ctrl+2", "ZoomTo100", "Ver a tamaño real (Control+2)", "página 2, Full");
        row("Ctrl+Home", "FirstPage", "Primera página (Control+Inicio)", "página 1, Width");
        row("PgUp", "PrevPage", "Página anterior (Re Pág)", "página 1, Width");
        row("PgDown", "NextPage", "Página siguiente (Av Pág)", "página 3, Width");
        row("Ctrl+End", "LastPage", "Última página (Control+Fin)", "página 3, Width");
        row("Ctrl+Shift+P", "PrinterSetup", "Configurar la impresora (Control+Mayúsculas+P)",
            "página 2, Width, configurar");
        row("Ctrl+P", "Print", "Imprimir el informe (Control+P)", "página 2, Width, imprimir");
        row("Ctrl+S", "SaveReport", "Guardar el informe en un archivo (Control+S)",
            "página 2, Width, guardar");
        row("Ctrl+O", "LoadReport", "Abrir un informe guardado (Control+O)",
            "página 2, Width, abrir");
        row("Esc", "Exit", "Cerrar la vista previa (Escape)", "cerrada");
        // As the desktop closes a document.
        row("Ctrl+W", "Exit", "Cerrar la vista previa (Escape)", "cerrada");
    }

    void keysWorkTheirButtons()
    {
        QFETCH(QString, key);
        QFETCH(QString, button);
        QFETCH(QString, tip);
        QFETCH(QString, shown);
        QStringList asked;
        auto previous = SetPrintDialogHook([&](QPrinter&, TPrintDialogKind kind) {
            asked << (kind == TPrintDialogKind::Setup ? "configurar" : "imprimir");
            return false;
        });
        auto restore = qScopeGuard([&] { SetPrintDialogHook(previous); });
        testing::SaveFileAnswer save = testing::SaveFileAnswer::Cancel();
        testing::FileDialogAnswer open = testing::FileDialogAnswer::Cancel();
        for (const QString& how :
             {QStringLiteral("key"), QStringLiteral("Space"), QStringLiteral("Enter")}) {
            asked.clear();
            save.requests.clear();
            open.requests.clear();
            QPointer<TQRStandardPreview> preview = Opened();
            Click(preview, "NextPage");
            Click(preview, "ZoomToWidth");
            QCOMPARE(preview->findChild<QAction*>(button)->toolTip(), tip);
            if (how == QLatin1String("key")) {
                QTest::keySequence(preview, QKeySequence(key));
            } else {
                // From the page, where the preview starts, round the buttons.
                for (int i = 0; i < 13 && QApplication::focusWidget()->objectName() != button; ++i)
                    testing::Tabular(preview, 1);
                QCOMPARE(QApplication::focusWidget()->objectName(), button);
                QTest::keyClick(QApplication::focusWidget(),
                                how == QLatin1String("Space") ? Qt::Key_Space : Qt::Key_Return);
            }
            if (!save.requests.isEmpty())
                asked << "guardar";
            if (!open.requests.isEmpty())
                asked << "abrir";
            const QString now =
                !preview || preview->IsClosed()
                    ? QStringLiteral("cerrada")
                    : QStringLiteral("página %1, %2")
                          .arg(preview->CurrentPage())
                          .arg(QMetaEnum::fromType<TQRStandardPreview::TZoom>().valueToKey(
                              int(preview->ZoomMode())));
            QCOMPARE((QStringList{how, now} + asked).join(QStringLiteral(", ")),
                     how + ", " + shown);
            testing::DeletePreviews();
        }
    }

    void saveAndLoadGoThroughTheirDialogs()
    {
        QTemporaryDir dir;
        testing::MessageRecorder messages;
        auto report = NumberedReport(30);
        report->Prepare();
        report->QRPrinter()->Preview();
        TQRStandardPreview* preview = OpenPreview();
        {
            testing::SaveFileAnswer answer(dir.filePath(QStringLiteral("encuesta")));
            Click(preview, "SaveReport");
            QCOMPARE(answer.requests.size(), 1);
            QVERIFY(answer.requests.first().filter.contains(QStringLiteral("*.qrp")));
        }
        const QString saved = dir.filePath(QStringLiteral("encuesta.qrp"));
        QVERIFY(LoadReportFile(saved) == report->QRPrinter()->Pages());

        // A saved file shows as it was saved; a bad one is refused with a warning.
        auto other = NumberedReport(80);
        other->Prepare();
        other->QRPrinter()->Preview();
        TQRStandardPreview* second = OpenPreview();
        QVERIFY(second != preview);
        QCOMPARE(second->PageCount(), 4);
        {
            testing::FileDialogAnswer answer(saved, 1);
            Click(second, "LoadReport");
        }
        QCOMPARE(second->PageCount(), 2);
        QVERIFY(second->Pages() == report->QRPrinter()->Pages());
        QFile bad(dir.filePath(QStringLiteral("mal.qrp")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("DMV-QRP\x1a garbage");
        bad.close();
        {
            testing::FileDialogAnswer answer(bad.fileName(), 1);
            Click(second, "LoadReport");
        }
        QCOMPARE(second->PageCount(), 2);
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages.first().icon, QMessageBox::Warning);
        {
            testing::SaveFileAnswer cancel = testing::SaveFileAnswer::Cancel();
            testing::FileDialogAnswer none = testing::FileDialogAnswer::Cancel();
            Click(second, "SaveReport");
            Click(second, "LoadReport");
        }
        QCOMPARE(second->PageCount(), 2);
        QCOMPARE(messages.messages.size(), 1);
    }

    void printGoesThroughThePrintDialog_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("pages");
        QTest::newRow("all") << 0 << 0 << 3;
        QTest::newRow("pages 2 to 3") << 2 << 3 << 2;
    }

    void printGoesThroughThePrintDialog()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, pages);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("encuesta.pdf"));
        auto report = NumberedReport(60);
        report->Prepare();
        report->QRPrinter()->Preview();
        TQRStandardPreview* preview = OpenPreview();
        testing::PdfAnswer answer(pdf, from, to);
        Click(preview, "PrinterSetup");
        QVERIFY(!QFile::exists(pdf));
        Click(preview, "Print");
        QCOMPARE(answer.kinds,
                 (QList<TPrintDialogKind>{TPrintDialogKind::Setup, TPrintDialogKind::Print}));
        QCOMPARE(testing::PdfPageCount(pdf), pages);
    }

    // The paper and orientation confirmed in the printer set-up stay for the next set-up
    // and the next print, which prints each page whole on that paper, as large as the
    // paper holds it and centred; without a set-up a page prints 1:1 on its own paper.
    void printerSetUpKeepsThePaper_data()
    {
        QTest::addColumn<int>("paper"); // chosen in the set-up; -1: no set-up
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<QString>("dialogs"); // the paper each dialog is shown
        QTest::addColumn<QSizeF>("sheet");    // points
        QTest::addColumn<QRectF>("ink");      // the page on the sheet, in millimetres
        QTest::newRow("own paper")
            << -1 << false << "Imprimir: A4 Vertical" << QSizeF(595, 842) << QRectF(0, 0, 210, 297);
        QTest::newRow("Letter, landscape")
            << int(QPageSize::Letter) << true
            << "Configurar: A4 Vertical, Configurar: Carta / ANSI A Apaisado, Imprimir: Carta / "
               "ANSI A Apaisado"
            << QSizeF(792, 612)
            << QRectF((279.4 - 210 * 215.9 / 297) / 2, 0, 210 * 215.9 / 297, 215.9);
        QTest::newRow("A3, portrait") << int(QPageSize::A3) << false
                                      << "Configurar: A4 Vertical, Configurar: A3 Vertical, "
                                         "Imprimir: A3 Vertical"
                                      << QSizeF(842, 1191) << QRectF(0, 0, 297, 420);
    }

    void printerSetUpKeepsThePaper()
    {
        QFETCH(int, paper);
        QFETCH(bool, landscape);
        QFETCH(QString, dialogs);
        QFETCH(QSizeF, sheet);
        QFETCH(QRectF, ink);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("informe.pdf"));
        TQRStandardPreview* preview = Opened();
        // Pages all ink, to find them whole on the sheet.
        TQRPage page{QSizeF(210, 297), {}};
        page.Items << TPageItem{TItemKind::Fill, QString(), QRectF(0, 0, 210, 297)};
        preview->SetPages({page, page});
        QStringList shown;
        auto previous = SetPrintDialogHook([&](QPrinter& printer, TPrintDialogKind kind) {
            const QPageLayout layout = printer.pageLayout();
            shown << QStringLiteral("%1: %2 %3")
                         .arg(kind == TPrintDialogKind::Setup ? "Configurar" : "Imprimir",
                              layout.pageSize().name(),
                              layout.orientation() == QPageLayout::Landscape ? "Apaisado"
                                                                             : "Vertical");
            if (kind == TPrintDialogKind::Setup && shown.size() == 1) {
                printer.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
                printer.setPageOrientation(landscape ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait);
            } else if (kind == TPrintDialogKind::Print) {
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(pdf);
            }
            return true;
        });
        auto restore = qScopeGuard([&] { SetPrintDialogHook(previous); });
        if (paper >= 0) {
            Click(preview, "PrinterSetup");
            Click(preview, "PrinterSetup");
        }
        Click(preview, "Print");
        QCOMPARE(shown.join(QStringLiteral(", ")), dialogs);
        QCOMPARE(testing::PdfSheets(pdf), QList<QSizeF>({sheet, sheet}));
        if (!testing::HasTool(QStringLiteral("pdftoppm")))
            return;
        const int dpi = 30;
        for (int p = 1; p <= 2; ++p) {
            const QImage picture = testing::PdfPicture(pdf, p, dpi);
            QVERIFY2(!picture.isNull(), "pdftoppm painted nothing");
            QRect painted;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    if (qGray(picture.pixel(x, y)) < 128)
                        painted |= QRect(x, y, 1, 1);
            const QRectF want(ink.topLeft() * dpi / 25.4, ink.size() * dpi / 25.4);
            const QLineF off(QRectF(painted).topLeft() - want.topLeft(),
                             QRectF(painted).bottomRight() + QPointF(1, 1) - want.bottomRight());
            QVERIFY2(off.p1().manhattanLength() < 3 && off.p2().manhattanLength() < 3,
                     qPrintable(QStringLiteral("page %1 painted %2 px off")
                                    .arg(p)
                                    .arg(off.p1().manhattanLength() + off.p2().manhattanLength())));
        }
    }

    void printDialogsSpeakSpanish_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<bool>("range"); // offers the pages to print
        QTest::newRow("print") << "Print"
                               << "Imprimir" << true;
        // Setting the printer up only keeps the settings: nothing prints, and which pages
        // print is asked at each print.
        QTest::newRow("printer setup") << "PrinterSetup"
                                       << "Aceptar" << false;
    }

    // The print dialog, its options and its printer's page set-up leave no English text,
    // say "archivo" as the rest of the program does, and name each paper size once; the
    // confirm button says what it does.
    void printDialogsSpeakSpanish()
    {
        QFETCH(QString, action);
        QFETCH(QString, confirm);
        QFETCH(bool, range);
        auto report = NumberedReport(3);
        report->Prepare();
        report->QRPrinter()->Preview();
        TQRStandardPreview* preview = OpenPreview();
        TAskedTexts asked;
        QCoreApplication::installTranslator(&asked);
        // The windows retranslate now, not inside the dialog, where its buttons would
        // lose the captions the dialog gave them.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QSet<QString> shown;
        QStringList paperSizes;
        QString confirmShown;
        bool rangeShown = false;
        QObject row;
        // Reads the dialog on top, closes it; the print dialog first opens its
        // printer's properties, to be read in turn.
        std::function<void()> read = [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            shown += TextsOf(dialog);
            if (auto* sizes = dialog->findChild<QComboBox*>(QStringLiteral("pageSizeCombo")))
                for (int i = 0; i < sizes->count(); ++i)
                    paperSizes << sizes->itemText(i);
            if (auto* properties = dialog->findChild<QPushButton*>(QStringLiteral("properties"))) {
                // The options pane shows it once it is opened.
                rangeShown =
                    !dialog->findChild<QWidget*>(QStringLiteral("gbPrintRange"))->isHidden();
                if (auto* buttons =
                        dialog->findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly))
                    confirmShown = buttons->button(QDialogButtonBox::Ok)->text().remove(u'&');
                QTimer::singleShot(0, &row, read);
                properties->click();
            }
            dialog->reject();
        };
        QTimer::singleShot(0, &row, read);
        // Whatever went wrong, no dialog is left waiting.
        QTimer::singleShot(5000, &row, [] {
            while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        Click(preview, qPrintable(action));
        QCoreApplication::removeTranslator(&asked);
        QVERIFY(shown.contains(QStringLiteral("Propiedades de impresora")));
        // A text shown as Qt asked for it is left in English.
        const QStringList english = (shown & asked.asked).values();
        QVERIFY2(english.isEmpty(), qPrintable(english.join(QStringLiteral(" | "))));
        QCOMPARE(confirmShown, confirm);
        QCOMPARE(rangeShown, range);
        const QStringList fichero =
            shown.values().filter(QStringLiteral("fichero"), Qt::CaseInsensitive);
        QVERIFY2(fichero.isEmpty(), qPrintable(fichero.join(QStringLiteral(" | "))));
        QVERIFY(paperSizes.contains(QStringLiteral("Arquitecto D")));
        QStringList repeated = paperSizes;
        repeated.removeDuplicates();
        QCOMPARE(repeated.size(), paperSizes.size());
    }

    void theCaptionBarGoesFromTheLatestPreview()
    {
        HidePreviewCaptionBar();
        auto report = NumberedReport(3);
        report->Prepare();
        report->QRPrinter()->Preview();
        TQRStandardPreview* first = OpenPreview();
        report->QRPrinter()->Preview();
        TQRStandardPreview* latest = OpenPreview();
        QVERIFY(latest != first);
        HidePreviewCaptionBar();
        QVERIFY(latest->isVisible());
        QVERIFY(latest->windowState() & Qt::WindowMaximized);
        QVERIFY(latest->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(!(first->windowFlags() & Qt::FramelessWindowHint));
        latest->close();
        QCOMPARE(OpenPreview(), first);
    }
};

DIMARVOLTECA_TEST_MAIN(ReportPreviewTest)
#include "ReportPreviewTest.moc"
