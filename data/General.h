#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

class QCheckBox;
class QLabel;

namespace graphics {
class TBitmap;
}

// One item the user can tick in a choice step: a perception measure or a
// performance indicator, with the controls made for it the first time it shows.
struct TIndicadorCheck
{
    QPointer<QCheckBox> CheckBox;
    QPointer<QLabel> LabelClave;
    int Codigo = 0;
    int Clave = 0; // 1 (or "yes") for a key item
};

// Shared services: the two message boxes, the empty-text test, the clearing of
// the scratch table and the smooth resize of logos.
class TDM_General : public QObject
{
    Q_OBJECT
public:
    explicit TDM_General(QObject* owner);

    // The boxes use nothing of the module: they work before it exists.
    static void MensajeError(const QString& texto);
    static void MensajeOK(const QString& texto);
    static bool ComprobarVacio(const QString& texto) { return texto.isEmpty(); }
    static void SmoothResize(graphics::TBitmap& Origen, graphics::TBitmap& Destino);

    void BorrarTablasTemporales();

private:
    void DataModuleCreate();
};

extern QPointer<TDM_General> DM_General;

// The selection state of the questionnaire's choice step.
extern std::vector<std::vector<TIndicadorCheck>> VIndicadores;
extern std::vector<TIndicadorCheck> VIndicadoresIR;
extern int NumDimensiones;

// The Windows kernel's MulDiv for the non-negative values the resize meets:
// (a * b + c / 2) / c in 64 bits.
inline int MulDiv(int a, int b, int c)
{
    return int((qint64(a) * qint64(b) + c / 2) / c);
}

// The text without the characters of code 32 or less at either end.
QString Recortar(const QString& texto);
