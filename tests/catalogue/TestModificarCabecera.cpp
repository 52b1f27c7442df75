#include "EntornoCabeceras.h"
#include "Tabulacion.h"

#include "catalogue/BorrarCabecera.h"
#include "catalogue/ModificarCabeceraP1.h"
#include "catalogue/ModificarCabeceraP2.h"
#include "data/Encuestas.h"
#include "platform/graphics/BmpFormat.h"

#include <memory>

namespace {

QList<TF_ModificarCabeceraP2*> Pasos2()
{
    QList<TF_ModificarCabeceraP2*> pasos;
    for (QWidget* w : QApplication::allWidgets())
        if (auto* paso = qobject_cast<TF_ModificarCabeceraP2*>(w))
            pasos << paso;
    return pasos;
}

QByteArray LogoGuardado()
{
    return graphics::WriteBmp(EntornoCabeceras::Muestra(145, 113));
}

// The two windows that start from the list of centres.
struct Lista
{
    QPointer<QWidget> ventana;
    QComboBox* lista;
    QPushButton* accion;
    QPushButton* salir;
    const std::vector<int>* codigos;
};

Lista AbrirLista(bool borrado)
{
    if (borrado) {
        MainForm->Borrar1Click();
        TF_BorrarCabecera* f = F_BorrarCabecera;
        if (!f)
            return {};
        return {f, f->CB_Cabecera, f->B_Borrar, f->B_Salir, &f->VCodCabecera};
    }
    MainForm->Modificar1Click();
    TF_ModificarCabecera* f = F_ModificarCabecera;
    if (!f)
        return {};
    return {f, f->CB_Cabecera, f->B_Siguiente, f->B_Salir, &f->VCodCabecera};
}

} // namespace

class TestModificarCabecera : public QObject
{
    Q_OBJECT

    std::unique_ptr<EntornoCabeceras> e;

    // Two headers of one centre among others, stored out of order.
    void Centros()
    {
        e->Cabecera(5, QStringLiteral("Zaragoza"), QStringLiteral("Dir Z"));
        e->Cabecera(2, QStringLiteral("Alicante"), QStringLiteral("Dir A"));
        e->Cabecera(9, QStringLiteral("Valencia"), QStringLiteral("Dir V"));
        e->Cabecera(3, QStringLiteral("Alicante"), QStringLiteral("Dir B"));
        e->Cabecera(7, QStringLiteral("Ávila"), QStringLiteral("Dir Á"));
    }

    TF_ModificarCabeceraP2* IrAPaso2(int indice)
    {
        MainForm->Modificar1Click();
        TF_ModificarCabecera* paso1 = F_ModificarCabecera;
        if (!paso1)
            return nullptr;
        Elegir(paso1->CB_Cabecera, indice);
        QTest::mouseClick(paso1->B_Siguiente, Qt::LeftButton);
        const QList<TF_ModificarCabeceraP2*> pasos = Pasos2();
        return pasos.size() == 1 ? pasos.first() : nullptr;
    }

private slots:
    void init() { e = std::make_unique<EntornoCabeceras>(); }

    void cleanup() { e.reset(); }

    void lista_data()
    {
        QTest::addColumn<bool>("borrado");
        QTest::addColumn<bool>("vacia");
        QTest::newRow("modificación") << false << false;
        QTest::newRow("borrado") << true << false;
        QTest::newRow("modificación, sin cabeceras") << false << true;
        QTest::newRow("borrado, sin cabeceras") << true << true;
    }

    // Both windows hold the work commands while open and list every header by centre,
    // codes beside them, nothing chosen until the user picks a centre; "SALIR" gives the
    // commands back.
    void lista()
    {
        QFETCH(bool, borrado);
        QFETCH(bool, vacia);
        if (!vacia)
            Centros();
        const Lista v = AbrirLista(borrado);
        QVERIFY(v.ventana);
        QCOMPARE(e->Menus(), "bloqueados");
        QVERIFY(!v.accion->isEnabled());
        QCOMPARE(Textos(v.lista).join(u','),
                 vacia ? "" : "Alicante,Alicante,Ávila,Valencia,Zaragoza");
        if (!vacia) {
            QCOMPARE(QList<int>(v.codigos->begin() + 2, v.codigos->end()), (QList<int>{7, 9, 5}));
            QCOMPARE(QSet<int>({(*v.codigos)[0], (*v.codigos)[1]}), (QSet<int>{2, 3}));
            QCOMPARE(v.lista->currentIndex(), -1);

            Elegir(v.lista, 2);
            QCOMPARE(v.lista->currentIndex(), 2);
            QCOMPARE(v.lista->toolTip(), QStringLiteral("Ávila"));
            QVERIFY(v.accion->isEnabled());
            QCOMPARE(QApplication::focusWidget(), v.accion);
        }
        QVERIFY(e->mensajes.messages.isEmpty());
        QTest::mouseClick(v.salir, Qt::LeftButton);
        QVERIFY(e->Cerrada(v.ventana));
    }

    void ventanaQueNoAbre_data()
    {
        QTest::addColumn<bool>("borrado");
        QTest::newRow("modificación") << false;
        QTest::newRow("borrado") << true;
    }

    // A window whose list cannot be read shows the error box and leaves the work
    // commands available.
    void ventanaQueNoAbre()
    {
        QFETCH(bool, borrado);
        e->ws.Db().Exec(QStringLiteral("DROP TABLE CabeceraEncuesta"));
        ui::RunGuarded([&] { AbrirLista(borrado); });
        QCOMPARE(e->mensajes.Shown().size(), 1);
        QVERIFY(e->mensajes.Shown().first().startsWith("Error: "));
        QVERIFY(F_BorrarCabecera.isNull() && F_ModificarCabecera.isNull());
        QCOMPARE(e->Menus(), "libres");
    }

    // Step 1 hands the chosen header to step 2 and closes itself, which gives the work
    // commands back while step 2 is open. A stored text longer than the boxes take
    // comes back whole, and so does the logo, after "MODIFICAR".
    void paso2()
    {
        const QString largo =
            QStringLiteral("  Centro Integrado Público de Formación Profesional ") +
            QString(80, QLatin1Char('x'));
        e->Cabecera(4, largo, QStringLiteral(" Calle 1 "),
                    QStringLiteral("+34 960 000 000 ext. 1234"), LogoGuardado());
        const QList<QVariantList> antes = e->Filas();
        TF_ModificarCabeceraP2* paso = IrAPaso2(0);
        QVERIFY(paso);
        QVERIFY(e->mensajes.messages.isEmpty());
        QVERIFY(e->Cerrada(F_ModificarCabecera));
        QVERIFY(paso->isVisible());
        QCOMPARE(paso->CodCabecera, 4);
        QCOMPARE(paso->E_Centro->text(), largo);
        QCOMPARE(paso->E_Direccion->text(), QStringLiteral(" Calle 1 "));
        QCOMPARE(paso->E_Telefono->text(), QStringLiteral("+34 960 000 000 ext. 1234"));
        QCOMPARE(paso->I_Logo->Picture()->ToImage(),
                 EntornoCabeceras::Muestra(145, 113).convertToFormat(QImage::Format_RGB888));

        QPointer<TF_ModificarCabeceraP2> vigilado(paso);
        QTest::mouseClick(paso->B_Insertar, Qt::LeftButton);
        QTRY_VERIFY(vigilado.isNull());
        QCOMPARE(e->mensajes.Texts(), QStringList{"La cabecera ha sido modificada con éxito"});
        QCOMPARE(e->Filas(), antes);
    }

    // The keyboard round of both list windows before and after the choice of a centre,
    // and of modification step 2.
    void teclado_data()
    {
        QTest::addColumn<bool>("borrado");
        QTest::addColumn<int>("elecciones");
        QTest::addColumn<QString>("vuelta");
        QTest::newRow("modificación") << false << 0 << "B_Salir, CB_Cabecera";
        QTest::newRow("modificación, centro") << false << 1 << "B_Salir, CB_Cabecera, B_Siguiente";
        QTest::newRow("modificación, paso 2")
            << false << 2
            << "E_Direccion, E_Telefono, B_Imagen, B_Borrar, B_Insertar, B_Salir, E_Centro";
        QTest::newRow("borrado") << true << 0 << "B_Salir, CB_Cabecera";
        QTest::newRow("borrado, centro") << true << 1 << "B_Salir, CB_Cabecera, B_Borrar";
    }

    void teclado()
    {
        QFETCH(bool, borrado);
        QFETCH(int, elecciones);
        QFETCH(QString, vuelta);
        Centros();
        QWidget* ventana = elecciones == 2 ? IrAPaso2(1) : nullptr;
        if (!ventana) {
            const Lista lista = AbrirLista(borrado);
            ventana = lista.ventana;
            if (elecciones == 1)
                Elegir(lista.lista, 1);
        }
        QVERIFY(ventana);
        QCOMPARE(testing::Vuelta(ventana), vuelta);
    }

    void modificar_data()
    {
        QTest::addColumn<bool>("conLogo");
        QTest::addColumn<QString>("accion");
        QTest::newRow("sin logo, sin tocarlo") << false << "";
        QTest::newRow("sin logo, Borrar") << false << "borrar";
        QTest::newRow("con logo, sin tocarlo") << true << "";
        QTest::newRow("con logo, Borrar") << true << "borrar";
        QTest::newRow("con logo, nuevo JPEG") << true << "jpeg";
        QTest::newRow("sin logo, nuevo bitmap") << false << "bmp";
    }

    // "MODIFICAR" rewrites the texts as typed, even to another header's centre, and
    // the logo only when the box shows one.
    void modificar()
    {
        QFETCH(bool, conLogo);
        QFETCH(QString, accion);
        e->Cabecera(1, QStringLiteral("Albacete"), QStringLiteral("Dir 1"), QStringLiteral("11"),
                    LogoGuardado());
        e->Cabecera(2, QStringLiteral("Burgos"), QStringLiteral("Dir 2"), QStringLiteral("22"),
                    conLogo ? QVariant(LogoGuardado()) : QVariant());
        const QVariantList otra = e->Filas().at(0);

        TF_ModificarCabeceraP2* paso = IrAPaso2(1);
        QVERIFY(paso);
        QCOMPARE(paso->I_Logo->Picture()->HasImage(), conLogo);
        if (accion == QLatin1String("borrar")) {
            QTest::mouseClick(paso->B_Borrar, Qt::LeftButton);
        } else if (accion == QLatin1String("jpeg")) {
            testing::FileDialogAnswer respuesta(
                e->Imagen(QStringLiteral("ancho.jpg"), EntornoCabeceras::Muestra(1000, 200), "JPG"),
                1);
            QTest::mouseClick(paso->B_Imagen, Qt::LeftButton);
        } else if (accion == QLatin1String("bmp")) {
            testing::FileDialogAnswer respuesta(
                e->Imagen(QStringLiteral("cuadro.bmp"), EntornoCabeceras::Muestra(300, 300), "BMP"),
                2);
            QTest::mouseClick(paso->B_Imagen, Qt::LeftButton);
        }
        paso->E_Centro->setText(QStringLiteral("Albacete"));
        paso->E_Direccion->setText(QStringLiteral("  Nueva  "));
        paso->E_Telefono->clear();
        QPointer<TF_ModificarCabeceraP2> vigilado(paso);
        QTest::mouseClick(paso->B_Insertar, Qt::LeftButton);

        QCOMPARE(e->mensajes.Texts(), QStringList{"La cabecera ha sido modificada con éxito"});
        QVERIFY(e->Cerrada(vigilado));
        const QList<QVariantList> filas = e->Filas();
        QCOMPARE(filas.size(), 2);
        QCOMPARE(filas.at(0), otra);
        QCOMPARE(filas.at(1).at(1).toString(), QStringLiteral("Albacete"));
        QCOMPARE(filas.at(1).at(2).toString(), QStringLiteral("  Nueva  "));
        QCOMPARE(filas.at(1).at(3), QVariant(QStringLiteral("")));

        const QVariant logo = filas.at(1).at(4);
        if (accion.isEmpty() || accion == QLatin1String("borrar")) {
            QCOMPARE(logo.toByteArray(), conLogo ? LogoGuardado() : QByteArray());
            QCOMPARE(logo.isNull(), !conLogo);
        } else {
            const QImage imagen = EntornoCabeceras::Bmp(logo);
            QCOMPARE(imagen.size(), QSize(154, 114));
            if (accion == QLatin1String("jpeg")) {
                QVERIFY(Parecido(imagen.pixelColor(5, 5), kAzul));
                QVERIFY(Parecido(imagen.pixelColor(72, 100), kRojo));
                QVERIFY(Parecido(imagen.pixelColor(82, 100), kVerde));
            } else {
                const QImage origen = EntornoCabeceras::Muestra(300, 300).copy(0, 0, 154, 114);
                QCOMPARE(imagen.convertToFormat(origen.format()), origen);
            }
        }
    }

    void pegadoJuntoAEmoji_data() { FilasPegadoJuntoAEmoji(); }

    // Never half an emoji in the box, nor invalid UTF-8 in the table.
    void pegadoJuntoAEmoji()
    {
        QFETCH(QString, antes);
        QFETCH(QString, donde);
        QFETCH(QString, pegado);
        QFETCH(QString, guardado);
        e->Cabecera(6, antes);
        TF_ModificarCabeceraP2* paso = IrAPaso2(0);
        QVERIFY(paso);
        PegarJuntoAEmoji(paso->E_Centro, donde, pegado);
        QCOMPARE(paso->E_Centro->text(), guardado);
        QTest::mouseClick(paso->B_Insertar, Qt::LeftButton);
        QCOMPARE(e->Bytes("centro", 6), guardado.toUtf8());
    }

    // A stored centre of 100 characters, longer than the box takes, edited at its end:
    // it may shrink, never grow again, and an undo brings back what was deleted.
    void textoGuardadoLargo_data()
    {
        QTest::addColumn<int>("borrados");     // Backspace presses at the end
        QTest::addColumn<QString>("tecleado"); // then typed, or "^Z" for an undo
        QTest::addColumn<int>("largo");        // what remains
        QTest::newRow("tecleado sin borrar") << 0 << "c" << 100;
        QTest::newRow("6 borrados, 8 tecleados") << 6 << "cccccccc" << 94;
        QTest::newRow("7 borrados, 8 tecleados") << 7 << "cccccccc" << 94;
        QTest::newRow("6 borrados, deshechos") << 6 << "^Z" << 100;
    }

    void textoGuardadoLargo()
    {
        QFETCH(int, borrados);
        QFETCH(QString, tecleado);
        QFETCH(int, largo);
        const QString guardado = QString(50, u'a') + QString(50, u'b');
        e->Cabecera(6, guardado);
        TF_ModificarCabeceraP2* paso = IrAPaso2(0);
        QVERIFY(paso);
        paso->E_Centro->setFocus();
        QTest::keyClick(paso->E_Centro, Qt::Key_End);
        for (int i = 0; i < borrados; ++i)
            QTest::keyClick(paso->E_Centro, Qt::Key_Backspace);
        tecleado == "^Z" ? QTest::keySequence(paso->E_Centro, QKeySequence::Undo)
                         : QTest::keyClicks(paso->E_Centro, tecleado);
        const QString esperado =
            tecleado == "^Z" ? guardado : (guardado.left(100 - borrados) + tecleado).left(largo);
        QCOMPARE(paso->E_Centro->text(), esperado);
        QTest::mouseClick(paso->B_Insertar, Qt::LeftButton);
        QCOMPARE(e->Filas().at(0).at(1).toString(), esperado);
    }

    void guardarFalla_data() { FilasGuardarFalla(); }

    // A change that cannot be saved says why and stores nothing; step 2 keeps what it
    // holds, to save once the cause is gone.
    void guardarFalla()
    {
        QFETCH(QString, causa);
        e->Cabecera(1, QStringLiteral("Teruel"));
        const QList<QVariantList> antes = e->Filas();
        TF_ModificarCabeceraP2* paso = IrAPaso2(0);
        QVERIFY(paso);
        paso->E_Direccion->setText(QStringLiteral("Plaza 2"));
        testing::FileDialogAnswer respuesta(
            e->Imagen(QStringLiteral("cuadro.bmp"), EntornoCabeceras::Muestra(300, 300), "BMP"), 2);
        QTest::mouseClick(paso->B_Imagen, Qt::LeftButton);
        const QString mensaje = e->ImpedirGuardar(causa);
        QTest::mouseClick(paso->B_Insertar, Qt::LeftButton);
        e->PermitirGuardar();
        QCOMPARE(e->mensajes.Shown(), QStringList{mensaje});
        QCOMPARE(e->Filas(), antes);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(Pasos2(), QList<TF_ModificarCabeceraP2*>{paso});
        QCOMPARE(paso->E_Direccion->text(), QStringLiteral("Plaza 2"));

        QTest::mouseClick(paso->B_Insertar, Qt::LeftButton);
        QCOMPARE(e->Filas().at(0).at(2).toString(), QStringLiteral("Plaza 2"));
        QCOMPARE(EntornoCabeceras::Bmp(e->Filas().at(0).at(4)).size(), QSize(154, 114));
    }

    void borrarFalla_data()
    {
        QTest::addColumn<QString>("causa");
        QTest::newRow("solo lectura") << "solo lectura";
        QTest::newRow("en uso") << "en uso";
    }

    // A header that cannot be deleted says why and stays; so does the window.
    void borrarFalla()
    {
        QFETCH(QString, causa);
        Centros();
        const QList<QVariantList> antes = e->Filas();
        MainForm->Borrar1Click();
        QPointer<TF_BorrarCabecera> f = F_BorrarCabecera.data();
        QVERIFY(f);
        Elegir(f->CB_Cabecera, 2);
        const QString mensaje = e->ImpedirGuardar(causa);
        QTest::mouseClick(f->B_Borrar, Qt::LeftButton);
        e->PermitirGuardar();
        QCOMPARE(e->mensajes.Shown(), QStringList{mensaje});
        QCOMPARE(e->Filas(), antes);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(f);
    }

    void modificarEnBlanco()
    {
        e->Cabecera(3, QStringLiteral("Cuenca"), QStringLiteral("Dir"), QStringLiteral("33"),
                    LogoGuardado());
        const QList<QVariantList> antes = e->Filas();
        TF_ModificarCabeceraP2* paso = IrAPaso2(0);
        QVERIFY(paso);
        paso->E_Centro->setText(QStringLiteral(" \t "));
        paso->E_Direccion->setText(QStringLiteral("Otra"));
        QTest::mouseClick(paso->B_Borrar, Qt::LeftButton);
        QTest::mouseClick(paso->B_Insertar, Qt::LeftButton);

        QCOMPARE(e->mensajes.Shown(), QStringList{"Aviso: Debe insertar un nombre para el centro"});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(Pasos2().size(), 1);
        QCOMPARE(paso->E_Centro->text(), QStringLiteral(" \t "));
        QCOMPARE(paso->E_Direccion->text(), QStringLiteral("Otra"));
        QCOMPARE(e->Filas(), antes);

        QPointer<TF_ModificarCabeceraP2> vigilado(paso);
        QTest::mouseClick(paso->B_Salir, Qt::LeftButton);
        QTRY_VERIFY(vigilado.isNull());
        QCOMPARE(e->Filas(), antes);
    }

    void logoGuardadoIlegible_data()
    {
        QTest::addColumn<QByteArray>("logo");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<bool>("nuevo");
        const QByteArray jpeg = testing::Encoded(EntornoCabeceras::Muestra(40, 40), "JPG");
        const QByteArray cortado = LogoGuardado().left(3000);
        const QString noBitmap = QStringLiteral("La imagen no es un mapa de bits válido.");
        const QString incompleto = QStringLiteral("El mapa de bits está incompleto o dañado.");
        QTest::newRow("JPEG, se conserva") << jpeg << noBitmap << false;
        QTest::newRow("JPEG, logo nuevo") << jpeg << noBitmap << true;
        QTest::newRow("bitmap cortado, se conserva") << cortado << incompleto << false;
        QTest::newRow("bitmap cortado, logo nuevo") << cortado << incompleto << true;
    }

    // A stored logo that is no bitmap shows its error, then step 2 opens with the
    // texts and an empty logo box: "MODIFICAR" keeps the stored bytes, or replaces
    // them with the logo picked from "Insertar".
    void logoGuardadoIlegible()
    {
        QFETCH(QByteArray, logo);
        QFETCH(QString, mensaje);
        QFETCH(bool, nuevo);
        e->Cabecera(1, QStringLiteral("Huesca"), QStringLiteral("Dir H"), QStringLiteral("974"),
                    logo);
        TF_ModificarCabeceraP2* paso = IrAPaso2(0);
        QVERIFY(paso);
        QCOMPARE(e->mensajes.Shown(), QStringList{"Error: " + mensaje});
        QTRY_VERIFY(F_ModificarCabecera.isNull());
        QCOMPARE(paso->E_Centro->text(), QStringLiteral("Huesca"));
        QCOMPARE(paso->E_Telefono->text(), QStringLiteral("974"));
        QVERIFY(!paso->I_Logo->Picture()->HasImage());

        e->mensajes.Clear();
        if (nuevo) {
            testing::FileDialogAnswer respuesta(
                e->Imagen(QStringLiteral("nuevo.bmp"), EntornoCabeceras::Muestra(300, 300), "BMP"),
                2);
            QTest::mouseClick(paso->B_Imagen, Qt::LeftButton);
        }
        paso->E_Direccion->setText(QStringLiteral("Dir nueva"));
        QTest::mouseClick(paso->B_Insertar, Qt::LeftButton);
        QCOMPARE(e->mensajes.Texts(), QStringList{"La cabecera ha sido modificada con éxito"});
        const QVariantList fila = e->Filas().at(0);
        QCOMPARE(fila.at(2).toString(), QStringLiteral("Dir nueva"));
        if (nuevo)
            QCOMPARE(EntornoCabeceras::Bmp(fila.at(4)).size(), QSize(154, 114));
        else
            QCOMPARE(fila.at(4).toByteArray(), logo);
    }

    void borrar_data()
    {
        QTest::addColumn<int>("indice");
        QTest::newRow("primera de dos iguales") << 0;
        QTest::newRow("segunda de dos iguales") << 1;
        QTest::newRow("última") << 4;
    }

    // "BORRAR" deletes the row whose code stands at the chosen position, asking nothing.
    void borrar()
    {
        QFETCH(int, indice);
        Centros();
        MainForm->Borrar1Click();
        TF_BorrarCabecera* f = F_BorrarCabecera;
        QVERIFY(f);
        Elegir(f->CB_Cabecera, indice);
        const int borrada = f->VCodCabecera[size_t(indice)];
        QCOMPARE(e->mensajes.messages.size(), 0);
        QTest::mouseClick(f->B_Borrar, Qt::LeftButton);

        QCOMPARE(e->mensajes.Shown(), QStringList{"Información: La cabecera ha sido borrada"});
        QList<int> quedan;
        for (const QVariantList& fila : e->Filas())
            quedan << fila.at(0).toInt();
        QList<int> esperadas{2, 3, 5, 7, 9};
        esperadas.removeOne(borrada);
        QCOMPARE(quedan, esperadas);
        QVERIFY(e->Cerrada(F_BorrarCabecera));
    }
};

DIMARVOLTECA_TEST_MAIN(TestModificarCabecera)
#include "TestModificarCabecera.moc"
