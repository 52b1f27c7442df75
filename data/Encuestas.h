#pragma once

#include "platform/graphics/Picture.h"

#include <QDate>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

// A survey header on its way from a window to the database or to the questionnaire.
struct TCabecera
{
    QString Centro;
    QString Direccion;
    QString Telefono;
    QDate Fecha;                              // a null date stands for "no date"; never stored
    std::shared_ptr<graphics::TPicture> Logo; // shared, not copied
};

// The survey-header module: one per use, the global follows the latest.
class TDM_Encuesta : public QObject
{
    Q_OBJECT
public:
    explicit TDM_Encuesta(QObject* owner);

    TCabecera Cabecera;

    void InicializarCabecera();
    void InsertarCabecera(const TCabecera& Cab);
    void GuardarCabecera();
    void ActualizarCabecera(int Codigo, const TCabecera& Cab);
};

namespace ado {
class TDataSet;
}
namespace graphics {
class TBitmap;
}

// The logo stored in the current row's `logo` column: an empty bitmap when none is
// stored; throws graphics::EInvalidGraphic when the stored bytes are no bitmap.
graphics::TBitmap LogoGuardado(const ado::TDataSet& fila);

// The latest survey-header module; reads as none once that module is destroyed.
extern QPointer<TDM_Encuesta> DM_Encuesta;
