#include "SurveyTestSupport.h"
#include "platform/report/QuickRep.h"
#include "platform/report/ReportFile.h"
#include "survey/AbrirEncuesta.h"
#include "survey/CrearEncuestaPFinal.h"

#include <QFile>
#include <QLabel>
#include <QProgressBar>

class SurveyWindowsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<testing::SurveyWorkspace> ws;

    // A questionnaire of `preguntas` questions, saved from its preview.
    QString Guardada(int preguntas, QVector<report::TQRPage>* pages)
    {
        QList<QPair<QString, QVariant>> filas;
        for (int i = 0; i < preguntas; ++i)
            filas.append({QStringLiteral("Pregunta %1").arg(i + 1), i % 2});
        ws->Preguntas(filas);
        ws->Cabecera(QDate(2024, 1, 9), QImage());
        F_Encuesta = new TF_Encuesta(ui::ApplicationObject());
        F_Encuesta->InsertarSubcriterio(1);
        const QString path = ws->Dir() + QStringLiteral("/guardada.qrp");
        *pages = testing::PreviewPages(F_Encuesta, [&](report::TQRStandardPreview* preview) {
            testing::SaveFileAnswer answer(path);
            preview->SaveReportClick();
        });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return path;
    }

private slots:
    void init() { ws = std::make_unique<testing::SurveyWorkspace>(); }
    void cleanup() { ws.reset(); }

    void theProgressBarFillsInFourSteps()
    {
        auto* paso = new QWidget;
        F_CrearEncuestaPFinal = new TF_CrearEncuestaPFinal(paso);
        TF_CrearEncuestaPFinal* ventana = F_CrearEncuestaPFinal;
        QVERIFY(ventana->isVisible());
        QVERIFY(ventana->isWindow());
        QCOMPARE(ventana->windowTitle(), QStringLiteral("DIMARVOLTECA 1.0"));
        QCOMPARE(ventana->size(), QSize(305, 48));
        QVERIFY(!ventana->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!ventana->windowFlags().testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(!ventana->windowFlags().testFlag(Qt::WindowMinMaxButtonsHint));
        QCOMPARE(ventana->Label1->text(), QStringLiteral("Generando encuesta por pantalla..."));
        QCOMPARE(ventana->Label1->geometry(), QRect(0, 0, 244, 16));
        QCOMPARE(ventana->ProgressBar1->geometry(), QRect(0, 32, 305, 16));
        QCOMPARE(ventana->cursor().shape(), Qt::WaitCursor);

        QList<int> valores;
        for (int i = 0; i < 4; ++i) {
            ventana->StepBy(25);
            valores << ventana->ProgressBar1->value();
        }
        QCOMPARE(valores, (QList<int>{25, 50, 75, 100}));
        ventana->StepBy(25);
        QCOMPARE(ventana->ProgressBar1->value(), 100);

        // Closing only hides it; it goes with the step window that made it.
        ventana->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(F_CrearEncuestaPFinal);
        QVERIFY(!ventana->isVisible());
        delete paso;
        QVERIFY(!F_CrearEncuestaPFinal);
    }

    void aSavedQuestionnaireReopensAsItWasSaved()
    {
        QVector<report::TQRPage> saved;
        const QString path = Guardada(30, &saved);
        QCOMPARE(saved.size(), 2);
        QVERIFY(!F_Encuesta);
        QVERIFY(report::LoadReportFile(path) == saved);

        testing::MessageRecorder messages;
        testing::FileDialogAnswer answer(path, 1);
        AbrirEncuestaGuardada(nullptr);
        QCOMPARE(answer.requests.size(), 1);
        QCOMPARE(answer.requests.first().filter,
                 QStringLiteral("Archivos de Encuestas (*.qrp)|*.qrp"));
        report::TQRStandardPreview* preview = testing::PreviewWindow();
        QVERIFY(preview && preview->isVisible());
        QVERIFY(preview->Pages() == saved);
        QVERIFY(!preview->isMaximized());
        QVERIFY(!preview->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(F_Encuesta && !F_Encuesta->isVisible());
        QVERIFY(F_Encuesta->QR_Encuesta->QRPrinter()->LoadedFromFile());
        QCOMPARE(F_Encuesta->QR_Encuesta->QRPrinter()->PageCount(), 2);

        // Closing it leaves the window and the scratch table alone.
        ws->Preguntas({{QStringLiteral("Del siguiente asistente"), 0}});
        QPointer<TF_Encuesta> anfitrion = F_Encuesta;
        preview->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(anfitrion);
        QCOMPARE(ws->Db().Scalar(QStringLiteral("SELECT COUNT(*) FROM PregEncTemp")).toInt(), 1);
        QVERIFY(messages.messages.isEmpty());
    }

    void cancellingOrABadFileShowsNothing_data()
    {
        QTest::addColumn<QString>("contenido");
        QTest::addColumn<bool>("cancelar");
        QTest::newRow("cancelled") << QString() << true;
        QTest::newRow("foreign") << QStringLiteral("[Base_de_Datos]\nrutabd=\\datos") << false;
        QTest::newRow("damaged") << QStringLiteral("damaged") << false;
        QTest::newRow("missing") << QString() << false;
    }

    void cancellingOrABadFileShowsNothing()
    {
        QFETCH(QString, contenido);
        QFETCH(bool, cancelar);
        QString path = ws->Dir() + QStringLiteral("/mala.qrp");
        if (contenido == QLatin1String("damaged")) {
            QVector<report::TQRPage> saved;
            QFile file(Guardada(3, &saved));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QByteArray bytes = file.readAll();
            bytes[bytes.size() / 2] = char(bytes.at(bytes.size() / 2) ^ 0x55);
            file.seek(0);
            file.write(bytes);
            path = file.fileName();
        } else if (!contenido.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contenido.toUtf8());
        }

        testing::MessageRecorder messages;
        testing::FileDialogAnswer answer(cancelar ? QString() : path, 1);
        AbrirEncuestaGuardada(nullptr);
        QCOMPARE(answer.requests.size(), 1);
        QVERIFY(!testing::PreviewWindow());
        QVERIFY(messages.messages.isEmpty());
        // Cancelling creates nothing; a failed load keeps what it had created.
        QCOMPARE(bool(F_Encuesta), !cancelar);
    }
};

DIMARVOLTECA_TEST_MAIN(SurveyWindowsTest)
#include "SurveyWindowsTest.moc"
