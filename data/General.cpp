#include "General.h"

#include "BdatosADO.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicError.h"
#include "platform/ui/Application.h"
#include "platform/ui/Messages.h"

#include <cstring>

QPointer<TDM_General> DM_General;
std::vector<std::vector<TIndicadorCheck>> VIndicadores;
std::vector<TIndicadorCheck> VIndicadoresIR;
int NumDimensiones = 0;

namespace {
const QString kTitulo = QStringLiteral("DIMARVOLTECA");
}

TDM_General::TDM_General(QObject* owner) : QObject(owner)
{
    // As any module's creation handler: an error shows in the default error box and
    // the module still exists, so the windows that call it keep working.
    ui::RunGuarded([this] { DataModuleCreate(); });
}

void TDM_General::DataModuleCreate()
{
    BorrarTablasTemporales();
}

void TDM_General::MensajeError(const QString& texto)
{
    ui::ShowMessageBox({kTitulo, texto, QMessageBox::Warning});
}

void TDM_General::MensajeOK(const QString& texto)
{
    ui::ShowMessageBox({kTitulo, texto, QMessageBox::Information});
}

void TDM_General::BorrarTablasTemporales()
{
    DM_BdatosADO->InicializarQuery(QStringLiteral("DELETE * FROM PregEncTemp"));
    DM_BdatosADO->ActivarQInsertUpdate();
}

void TDM_General::SmoothResize(graphics::TBitmap& Origen, graphics::TBitmap& Destino)
{
    Origen.SetPixelFormat24();
    Destino.SetPixelFormat24();
    const int sw = Origen.Width();
    const int sh = Origen.Height();
    const int dw = Destino.Width();
    const int dh = Destino.Height();
    if (sw < 1 || sh < 1 || dw < 1 || dh < 1)
        throw graphics::EInvalidGraphic(QStringLiteral("Tamaño de mapa de bits no válido."));
    if (sw == dw && sh == dh) {
        Destino.Assign(Origen);
        return;
    }
    // The destination's row step is taken from its first two rows.
    if (dh < 2)
        throw graphics::EInvalidGraphic(QStringLiteral("Índice de línea fuera de rango."));

    const int xscale = MulDiv(sw - 1, 65536, dw);
    const int yscale = MulDiv(sh - 1, 65536, dh);
    quint32 sy = 0;
    for (int y = 0; y < dh; ++y) {
        const int yi = int(sy >> 16);
        const quint32 f = sy & 65535;
        const uchar* r1 = Origen.ScanLine(yi);
        const uchar* r2 = Origen.ScanLine(yi < sh - 1 ? yi + 1 : yi);
        const quint32 wy2 = f + 1;
        const quint32 wy1 = 65536 - f;
        uchar* out = Destino.ScanLine(y);
        quint32 sx = 0;
        for (int x = 0; x < dw; ++x) {
            const int xi = int(sx >> 16);
            const quint32 xf = sx & 65535;
            const int xn = xi < sw - 1 ? xi + 1 : xi;
            const quint32 w2 = quint32(MulDiv(int(xf), int(wy1), 65536));
            const quint32 w1 = wy1 - w2;
            const quint32 w4 = quint32(MulDiv(int(xf), int(wy2), 65536));
            const quint32 w3 = wy2 - w4;
            for (int c = 0; c < 3; ++c) {
                const quint32 sum = r1[3 * xi + c] * w1 + r1[3 * xn + c] * w2 +
                                    r2[3 * xi + c] * w3 + r2[3 * xn + c] * w4;
                out[3 * x + c] = uchar(sum >> 16);
            }
            sx += quint32(xscale);
        }
        sy += quint32(yscale);
    }
}

QString Recortar(const QString& texto)
{
    int start = 0;
    int end = int(texto.size());
    while (start < end && texto.at(start).unicode() <= 32)
        ++start;
    while (end > start && texto.at(end - 1).unicode() <= 32)
        --end;
    return texto.mid(start, end - start);
}
