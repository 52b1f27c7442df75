#include "FichaMedida.h"

#include "ListaTipoRespuesta.h"
#include "TextosMemo.h"
#include "platform/ui/Look.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

void PrepararFichaMedida(QGroupBox* ficha, QPlainTextEdit* definicion, QPlainTextEdit* pregunta,
                         QComboBox* tipoRespuesta)
{
    ui::PaintBackground(ficha, ui::PanelColor(), Qt::white);
    ficha->setFont(ui::FontByHeight(QStringLiteral("MS Sans Serif"), -16, true));
    for (QLabel* etiqueta : ficha->findChildren<QLabel*>())
        ui::SetTextLook(etiqueta, -13);
    for (QCheckBox* caja : ficha->findChildren<QCheckBox*>()) {
        ui::PaintBackground(caja, ui::PanelColor());
        ui::SetTextLook(caja, -11);
    }
    PrepararMemo(definicion);
    PrepararMemo(pregunta);
    CargarTiposRespuesta(tipoRespuesta);
}
