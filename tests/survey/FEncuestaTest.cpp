// The printable questionnaire: its header, respondent label, rows and pages, its
// print-out, and the reopening of a saved one.

#include "Entorno.h"

#include "platform/graphics/Bitmap.h"
#include "platform/report/QRPrinter.h"
#include "platform/report/ReportFile.h"
#include "survey/AbrirEncuesta.h"

#include <QFile>

using namespace encuesta;
using report::TItemKind;
using report::TPageItem;
using report::TQRPage;
using testing::ItemsOf;
using testing::Near;
using testing::TextsOf;

namespace {

constexpr double kTolerance = 0.02;

// Questions "Pregunta 1", "Pregunta 2"... whose answer scales go round the codes 0,
// 1, none, 5 and -1.
QList<QPair<QString, QVariant>> Numeradas(int cuantas)
{
    const QVariant tipos[] = {0, 1, QVariant(), 5, -1};
    QList<QPair<QString, QVariant>> preguntas;
    for (int i = 0; i < cuantas; ++i)
        preguntas.append({QStringLiteral("Pregunta %1").arg(i + 1), tipos[i % 5]});
    return preguntas;
}

// What the answer boxes of the row whose cells start at `top` show.
QStringList BoxesAt(const TQRPage& page, double top)
{
    QStringList boxes;
    for (int i = 1; i <= 6; ++i) {
        const QString name = QStringLiteral("QRL%1").arg(i);
        QString shown;
        int sides = 0;
        bool filled = false;
        for (const TPageItem& item : page.Items) {
            const double at = qMin(item.Rect.top(), item.Rect.bottom());
            if (item.Source != name || at < top - kTolerance || at > top + 4.76 + kTolerance)
                continue;
            if (item.Kind == TItemKind::Text)
                shown = item.Text;
            sides += item.Kind == TItemKind::Line;
            filled |= item.Kind == TItemKind::Fill;
        }
        boxes << QStringLiteral("%1%2%3").arg(shown, sides == 4 ? "[]" : "", filled ? "" : "~");
    }
    return boxes;
}

// The survey header step 1 leaves for the report.
void Cabecera(const QDate& fecha, const QImage& logo)
{
    DM_Encuesta = new TDM_Encuesta(ui::ApplicationObject());
    DM_Encuesta->InicializarCabecera();
    DM_Encuesta->Cabecera.Centro = QStringLiteral("IES Ribera del Júcar");
    DM_Encuesta->Cabecera.Direccion = QStringLiteral("Avda. de la Albufera, 12 - Sueca");
    DM_Encuesta->Cabecera.Telefono = QStringLiteral("961 234 567");
    DM_Encuesta->Cabecera.Fecha = fecha;
    if (!logo.isNull())
        DM_Encuesta->Cabecera.Logo->Bitmap().Assign(logo);
}

TF_Encuesta* Encuesta()
{
    return F_Encuesta = new TF_Encuesta(ui::ApplicationObject());
}

// The pages of the questionnaire's preview (and `mientras` done with the window).
QVector<TQRPage> Paginas(TF_Encuesta* encuesta,
                         const std::function<void(report::TQRStandardPreview*)>& mientras = {})
{
    return PaginasDe([encuesta] { encuesta->QR_Encuesta->Preview(); }, mientras);
}

} // namespace

class FEncuestaTest : public PruebaEncuesta
{
    Q_OBJECT

    // The scratch table as the wizard writes it: questions of (text, answer scale).
    void Preguntas(const QList<QPair<QString, QVariant>>& preguntas, int primera = 1)
    {
        int posicion = primera - 1;
        for (const auto& pregunta : preguntas)
            Db().Exec(
                QStringLiteral("INSERT INTO PregEncTemp(posicion,definicion,tipo) VALUES(?,?,?)"),
                {++posicion, pregunta.first, pregunta.second});
    }

private slots:
    void theHeaderShowsWhatItHas_data()
    {
        QTest::addColumn<bool>("conCabecera");
        QTest::addColumn<bool>("conFecha");
        QTest::addColumn<bool>("conLogo");
        QTest::newRow("complete") << true << true << true;
        QTest::newRow("no date") << true << false << true;
        QTest::newRow("no logo") << true << true << false;
        QTest::newRow("no header module") << false << false << false;
    }

    void theHeaderShowsWhatItHas()
    {
        QFETCH(bool, conCabecera);
        QFETCH(bool, conFecha);
        QFETCH(bool, conLogo);
        const QDate fecha(2024, 5, 2);
        if (conCabecera)
            Cabecera(conFecha ? fecha : QDate(), conLogo ? LogoDePrueba() : QImage());
        const TQRPage page = Paginas(Encuesta()).first();
        QCOMPARE(TextsOf(page, QStringLiteral("QRLCentro")).join('|'),
                 conCabecera ? QStringLiteral("IES Ribera del Júcar") : QString());
        QCOMPARE(TextsOf(page, QStringLiteral("QRLTelefono")).join('|'),
                 conCabecera ? QStringLiteral("961 234 567") : QString());
        // Spain's short date, inside the centre's box.
        QCOMPARE(TextsOf(page, QStringLiteral("QRLFecha")).join('|'),
                 conFecha ? QStringLiteral("02/05/2024") : QString());
        double derecha = 0;
        for (const TPageItem& item : ItemsOf(page, QStringLiteral("QRShape1"), TItemKind::Frame))
            derecha = qMax(derecha, item.Rect.right());
        for (const TPageItem& item : ItemsOf(page, QStringLiteral("QRLFecha"), TItemKind::Text))
            QVERIFY(item.Rect.right() < derecha);
        const auto logo = ItemsOf(page, QStringLiteral("QRI_Logo"), TItemKind::Image);
        QCOMPARE(logo.size(), conLogo ? 1 : 0);
        QVERIFY(!conLogo || logo.first().Image.pixelColor(70, 50) == QColor(200, 30, 30));
        QCOMPARE(ItemsOf(page, QStringLiteral("QRImage1"), TItemKind::Image).size(), 1);
    }

    // Each dimension code the label follows, row by label (none for 11; any code not
    // listed, as 0 or 13, gets the last one).
    void theRespondentLabelFollowsTheDimension_data()
    {
        QTest::addColumn<QString>("codigos");
        QTest::addColumn<QString>("etiqueta");
        QTest::newRow("ciclo") << "1" << QStringLiteral("Ciclo formativo/Grupo:");
        QTest::newRow("departamento") << "2 5" << QStringLiteral("Departamento:");
        QTest::newRow("actividad") << "3" << QStringLiteral("Actividad que desarrolla:");
        QTest::newRow("función") << "8 9 10 12" << QStringLiteral("Función:");
        QTest::newRow("ninguna") << "11" << QString();
        QTest::newRow("estudios") << "6 0 4 7 13 -1" << QStringLiteral("Estudios/Profesión:");
    }

    void theRespondentLabelFollowsTheDimension()
    {
        QFETCH(QString, codigos);
        QFETCH(QString, etiqueta);
        Cabecera(QDate(), QImage());
        Preguntas({{QStringLiteral("¿Pregunta?"), 0}});
        for (const QString& texto : codigos.split(' ')) {
            const int codigo = texto.toInt();
            Db().Exec(QStringLiteral("INSERT OR REPLACE INTO Subcriterio VALUES(?,?,1)"),
                      {codigo, QStringLiteral("Dimensión %1").arg(codigo)});
            Encuesta()->InsertarSubcriterio(codigo);
            const TQRPage page = Paginas(F_Encuesta).first();
            QCOMPARE(TextsOf(page, QStringLiteral("QRLDimension")),
                     QStringList{QStringLiteral("Dimensión %1").arg(codigo)});
            const auto label = ItemsOf(page, QStringLiteral("QRLabel6"), TItemKind::Text);
            QCOMPARE(label.size(), etiqueta.isEmpty() ? 0 : 1);
            // Whatever the caption, it ends 135 pixels (35.72 mm) into the band; no label,
            // no line to fill in after it.
            if (!etiqueta.isEmpty()) {
                QCOMPARE(label.first().Text, etiqueta);
                QVERIFY(Near(label.first().Rect.right(), 10 + 35.72));
            }
            QCOMPARE(ItemsOf(page, QStringLiteral("QRShape3"), TItemKind::Line).size(),
                     etiqueta.isEmpty() ? 0 : 1);
            // Closing the preview emptied the scratch table: the next code asks again.
            Preguntas({{QStringLiteral("¿Pregunta?"), 0}});
        }
    }

    // Questions of every scale, numbered from `primera`, short or long, flow over pages
    // whose footers hold the total. Each row shows its question within its column, its
    // number on one line in its cell and the boxes of its own scale (yes/no for 1 or any
    // other code, levels for 0 or none), and is as tall as its question or 10.58 mm.
    void rowsFlowOverPages_data()
    {
        QTest::addColumn<int>("primera");
        QTest::addColumn<bool>("largas");
        QTest::addColumn<int>("total");
        for (int primera : {1, 990, 99990, 999999990})
            QTest::newRow(qPrintable(QStringLiteral("from %1").arg(primera)))
                << primera << false << 2;
        // 45 one-line rows would take three pages; the long ones take four.
        QTest::newRow("long questions") << 1 << true << 4;
    }

    void rowsFlowOverPages()
    {
        QFETCH(int, primera);
        QFETCH(bool, largas);
        QFETCH(int, total);
        const QString larga =
            QStringLiteral("¿Valora %1?").arg(QStringLiteral("formación ").repeated(40));
        QList<QPair<QString, QVariant>> preguntas = Numeradas(largas ? 45 : 30);
        for (int i = 1; largas && i < preguntas.size(); i += 4)
            preguntas[i].first = larga;
        Cabecera(QDate(), QImage());
        Preguntas(preguntas, primera);
        const QVector<TQRPage> pages = Paginas(Encuesta());
        QCOMPARE(pages.size(), total);

        const QStringList niveles{"1[]", "2[]", "3[]", "4[]", "5[]", "NC[]"};
        const QStringList siNo{"SI[]", "NO[]", "NC[]", "~", "~", "~"};
        int fila = 0;
        for (int p = 0; p < total; ++p) {
            const TQRPage& page = pages.at(p);
            QCOMPARE(TextsOf(page, QStringLiteral("QRLabel13")),
                     QStringList{QStringLiteral("Página %1 de %2").arg(p + 1).arg(total)});
            const auto celdas = ItemsOf(page, QStringLiteral("QRDBNum"), TItemKind::Fill);
            const auto numeros = ItemsOf(page, QStringLiteral("QRDBNum"), TItemKind::Text);
            QCOMPARE(numeros.size(), celdas.size());
            for (int i = 0; i < celdas.size(); ++i, ++fila) {
                const QRectF celda = celdas.at(i).Rect;
                const double siguiente = i + 1 < celdas.size() ? celdas.at(i + 1).Rect.top() : 297;
                QCOMPARE(numeros.at(i).Text, QString::number(primera + fila));
                QVERIFY(numeros.at(i).Rect.left() >= celda.left() - kTolerance);
                QVERIFY(numeros.at(i).Rect.right() <= celda.right() + kTolerance);
                QCOMPARE(BoxesAt(page, celda.top()),
                         preguntas.at(fila).second.toInt() ? siNo : niveles);
                QStringList lineas;
                double fin = celda.top();
                for (const TPageItem& linea :
                     ItemsOf(page, QStringLiteral("QRDBDefinicion"), TItemKind::Text)) {
                    if (linea.Rect.top() < celda.top() - kTolerance ||
                        linea.Rect.top() > siguiente - kTolerance)
                        continue;
                    QVERIFY(Near(linea.Rect.top(), fin));
                    QVERIFY(linea.Rect.width() <= 150.81 + kTolerance);
                    lineas << linea.Text;
                    fin = linea.Rect.bottom();
                }
                QCOMPARE(lineas.join(QLatin1Char(' ')), preguntas.at(fila).first);
                QVERIFY(fin <= 297 - 10 - 12.70 + kTolerance);
                if (i + 1 < celdas.size())
                    QVERIFY(Near(siguiente - celda.top(), qMax(10.58, 5.03 + fin - celda.top())));
            }
        }
        QCOMPARE(fila, preguntas.size());
    }

    // The preview lays out again only what changes after the counting pass (the page
    // headers with their dimension, the footers with their total): its pages are those
    // of a whole layout of the same questionnaire.
    void thePreviewShowsTheWholeLayout()
    {
        Cabecera(QDate(2024, 1, 9), LogoDePrueba());
        Preguntas(Numeradas(70));
        Encuesta()->InsertarSubcriterio(11);
        QVector<TQRPage> entera;
        const QVector<TQRPage> vistas = Paginas(F_Encuesta, [&](report::TQRStandardPreview*) {
            F_Encuesta->QR_Encuesta->KeepDetail = false;
            F_Encuesta->QR_Encuesta->Prepare();
            entera = F_Encuesta->QR_Encuesta->QRPrinter()->Pages();
        });
        QCOMPARE(vistas.size(), 4);
        QVERIFY(vistas == entera);
    }

    // What a person reads on the printed pages: each page's own rows, with an answer
    // "NC" each besides the legend's, under the header and over the footer.
    void thePreviewPrintsToPdf()
    {
        Cabecera(QDate(2024, 3, 15), LogoDePrueba());
        Preguntas(Numeradas(30));
        const QString pdf = ImprimirPdf("encuesta.pdf", [] { Encuesta()->QR_Encuesta->Preview(); });
        QCOMPARE(testing::PdfPageCount(pdf), 2);
        if (!HayHerramienta(QStringLiteral("pdftotext")))
            return;
        const QStringList pages = testing::PdfText(pdf).split(QLatin1Char('\f'));
        QVERIFY(pages.size() >= 2);
        for (int p = 0; p < 2; ++p) {
            QVERIFY2(pages[p].contains(QStringLiteral("IES Ribera del Júcar")),
                     qPrintable(pages[p]));
            QVERIFY(pages[p].contains(QStringLiteral("Página %1 de 2").arg(p + 1)));
            QVERIFY(pages[p].contains(QStringLiteral("Pregunta 30")) == (p == 1));
            QCOMPARE(pages[p].count(QStringLiteral("NC")) - 1,
                     pages[p].count(QStringLiteral("Pregunta ")));
        }
    }

    // A questionnaire that cannot be saved says why, and the file that was there stays as
    // it was: a folder that is a file, and a full disk.
    void aQuestionnaireThatCannotBeSavedSaysWhy_data()
    {
        QTest::addColumn<QString>("archivo"); // in the workspace
        QTest::addColumn<QString>("aviso");   // %1: the file's path
        QTest::newRow("a folder that is a file")
            << "encuesta.qrp/nueva.qrp"
            << "No se puede crear el archivo '%1': puede que su carpeta no exista o sea de "
               "solo lectura.";
        QTest::newRow("a full disk")
            << "encuesta.qrp"
            << "No se ha podido guardar el archivo '%1': puede que el disco "
               "esté lleno.";
    }

    void aQuestionnaireThatCannotBeSavedSaysWhy()
    {
        QFETCH(QString, archivo);
        QFETCH(QString, aviso);
        const QString path = Dir() + "/" + archivo;
        QFile antes(Dir() + QStringLiteral("/encuesta.qrp"));
        QVERIFY(antes.open(QIODevice::WriteOnly) && antes.write("la de antes") > 0);
        antes.close();
        Cabecera(QDate(2024, 1, 9), QImage());
        Preguntas(Numeradas(3));
        testing::MessageRecorder messages;
        Paginas(Encuesta(), [&](report::TQRStandardPreview* preview) {
            testing::SaveFileAnswer answer(path);
            testing::FullDisk full(archivo == "encuesta.qrp" ? 16 : RLIM_INFINITY);
            preview->SaveReportClick();
        });
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages.first().icon, QMessageBox::Warning);
        QCOMPARE(messages.messages.first().text.section("\nDetalle técnico: ", 0, 0),
                 aviso.replace("%1", path));
        QVERIFY(antes.open(QIODevice::ReadOnly));
        QCOMPARE(antes.readAll(), QByteArray("la de antes"));
    }

    // A saved questionnaire reopens in a preview of its pages, a window as any other (none
    // of the questionnaire's own events run), whose closing leaves the window and the
    // scratch table alone. Cancelling shows and creates nothing; a file the reader
    // refuses (its own tests damage saved files byte by byte) shows nothing either.
    void aSavedQuestionnaireReopens_data()
    {
        QTest::addColumn<QString>("archivo");
        QTest::newRow("saved") << "saved";
        QTest::newRow("saved, in many scripts") << "scripts";
        QTest::newRow("cancelled") << QString();
        QTest::newRow("foreign") << QStringLiteral("[Base_de_Datos]\nrutabd=\\datos");
        QTest::newRow("missing") << "missing";
    }

    void aSavedQuestionnaireReopens()
    {
        QFETCH(QString, archivo);
        const QString path = Dir() + QStringLiteral("/encuesta.qrp");
        QVector<TQRPage> saved;
        if (archivo == QLatin1String("saved") || archivo == QLatin1String("scripts")) {
            Cabecera(QDate(2024, 1, 9), QImage());
            QList<QPair<QString, QVariant>> preguntas = Numeradas(30);
            // Numbered past 99, whose numbers print smaller to fit their cells.
            if (archivo == QLatin1String("scripts"))
                for (auto& pregunta : preguntas)
                    pregunta.first += QStringLiteral(
                        ": ¿Está satisfecho? 你满意吗？ 만족하십니까? هل أنت راضٍ؟ האם אתה מרוצה? "
                        "क्या आप संतुष्ट हैं? คุณพอใจไหม ხართ კმაყოფილი? Вы довольны? Είστε "
                        "ικανοποιημένος; 満足していますか？ 👍🏽");
            Preguntas(preguntas, archivo == QLatin1String("scripts") ? 85 : 1);
            saved = Paginas(Encuesta(), [&](report::TQRStandardPreview* preview) {
                testing::SaveFileAnswer answer(path);
                preview->SaveReportClick();
            });
            QCOMPARE(saved.size(), archivo == QLatin1String("saved") ? 2 : 3);
            QVERIFY(!F_Encuesta);
        } else if (archivo != QLatin1String("missing") && !archivo.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(archivo.toUtf8()) > 0);
        }
        testing::MessageRecorder messages;
        testing::FileDialogAnswer answer(archivo.isEmpty() ? QString() : path, 1);
        AbrirEncuestaGuardada(nullptr);
        QCOMPARE(answer.requests.size(), 1);
        // A failed load keeps what it had created.
        QCOMPARE(bool(F_Encuesta), !archivo.isEmpty());
        report::TQRStandardPreview* preview = VistaPrevia();
        QCOMPARE(bool(preview), !saved.isEmpty());
        if (preview) {
            QVERIFY(preview->isVisible() && preview->Pages() == saved);
            QVERIFY(!preview->isMaximized());
            QVERIFY(!preview->windowFlags().testFlag(Qt::FramelessWindowHint));
            QVERIFY(!F_Encuesta->isVisible());
            Preguntas({{QStringLiteral("Del siguiente asistente"), 0}});
            preview->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(F_Encuesta);
            QCOMPARE(Db().Scalar(QStringLiteral("SELECT COUNT(*) FROM PregEncTemp")).toInt(), 1);
        }
        QVERIFY(messages.messages.isEmpty());
    }

    // Its keys close the preview as its button does: the questionnaire's empties the
    // scratch table and lets the report window go, a reopened one's leaves both.
    void theKeysCloseThePreview_data()
    {
        QTest::addColumn<bool>("reabierta");
        QTest::addColumn<QString>("tecla");
        QTest::newRow("Escape") << false << "Esc";
        QTest::newRow("Ctrl+W") << false << "Ctrl+W";
        QTest::newRow("reopened, Escape") << true << "Esc";
        QTest::newRow("reopened, Ctrl+W") << true << "Ctrl+W";
    }

    void theKeysCloseThePreview()
    {
        QFETCH(bool, reabierta);
        QFETCH(QString, tecla);
        const QString path = Dir() + QStringLiteral("/encuesta.qrp");
        Cabecera(QDate(2024, 1, 9), QImage());
        Preguntas(Numeradas(3));
        bool cerrada = false;
        Paginas(Encuesta(), [&](report::TQRStandardPreview* preview) {
            testing::SaveFileAnswer answer(path);
            preview->SaveReportClick();
            cerrada = reabierta || CerrarConTecla(preview, tecla);
        });
        QVERIFY(cerrada);
        QVERIFY(!F_Encuesta);
        Preguntas(reabierta ? Numeradas(1) : QList<QPair<QString, QVariant>>());
        if (reabierta) {
            testing::FileDialogAnswer answer(path, 1);
            AbrirEncuestaGuardada(nullptr);
            QVERIFY(VistaPrevia() && CerrarConTecla(VistaPrevia(), tecla));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(F_Encuesta);
        }
        QCOMPARE(Db().Scalar(QStringLiteral("SELECT COUNT(*) FROM PregEncTemp")).toInt(),
                 reabierta ? 1 : 0);
    }
};

DIMARVOLTECA_TEST_MAIN(FEncuestaTest)
#include "FEncuestaTest.moc"
