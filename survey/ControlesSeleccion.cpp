#include "ControlesSeleccion.h"

#include "platform/ui/Look.h"
#include "platform/ui/TextoPlano.h"

#include <QCheckBox>
#include <QLabel>

QCheckBox* CrearCasillaSeleccion(QWidget* contenedor, int left, int top, const QString& caption,
                                 int altura)
{
    const QString linea = ui::EnUnaLinea(caption);
    auto* caja = new QCheckBox(contenedor);
    caja->move(left, top);
    caja->setText(ui::SinAtajos(linea));
    ui::SetTextLook(caja, altura, true, Qt::white);
    const QFontMetrics medida(caja->font());
    caja->resize(medida.horizontalAdvance(linea) + 20, qMax(17, medida.height()));
    caja->show();
    return caja;
}

QLabel* CrearEtiquetaSeleccion(QWidget* contenedor, int left, int top, const QString& caption,
                               int code, const TEstiloEtiqueta& estilo)
{
    const QString linea = ui::EnUnaLinea(caption);
    auto* etiqueta = new QLabel(contenedor);
    etiqueta->move(left, top);
    etiqueta->setTextFormat(Qt::PlainText);
    etiqueta->setText(linea);
    etiqueta->setObjectName(QString::fromLatin1(estilo.Prefijo) + QString::number(code));
    ui::SetTextLook(etiqueta, estilo.Altura, true, estilo.Color, estilo.Subrayada);
    const QFontMetrics medida(etiqueta->font());
    etiqueta->resize(medida.horizontalAdvance(linea) + 20, medida.height());
    etiqueta->show();
    return etiqueta;
}
