// What the two selection boxes of step 3 do, and FINALIZAR: the chosen questions
// written for the questionnaire, and its preview.

#include "CrearEncuestaP3.h"

#include "FEncuesta.h"
#include "FilasTemporales.h"
#include "GeneracionInforme.h"
#include "data/BdatosADO.h"

#include <QCheckBox>

namespace {

bool EsClave(const TIndicadorCheck& medida)
{
    return medida.Clave == 1;
}

} // namespace

int TF_CrearEncuestaP3::NumVistas() const
{
    // The subdimensions this window can speak for; the flags and the shared arrays
    // agree on it unless another step 3 has taken this one's place.
    size_t n = size_t(qMax(0, NumDimensiones));
    n = qMin(n, VSoloClave.empty() ? 0 : VSoloClave.size() - 1);
    n = qMin(n, VTodos.empty() ? 0 : VTodos.size() - 1);
    return int(n);
}

std::vector<TIndicadorCheck>* TF_CrearEncuestaP3::Medidas(int s)
{
    if (m_retirada || s < 0 || size_t(s) >= VIndicadores.size())
        return nullptr;
    return &VIndicadores[size_t(s)];
}

void TF_CrearEncuestaP3::MarcarSoloClave(int s)
{
    if (std::vector<TIndicadorCheck>* medidas = Medidas(s))
        for (TIndicadorCheck& medida : *medidas)
            if (medida.CheckBox)
                medida.CheckBox->setChecked(EsClave(medida));
}

void TF_CrearEncuestaP3::DesmarcarClave(int s)
{
    if (std::vector<TIndicadorCheck>* medidas = Medidas(s))
        for (TIndicadorCheck& medida : *medidas)
            if (medida.CheckBox && EsClave(medida))
                medida.CheckBox->setChecked(false);
}

void TF_CrearEncuestaP3::MarcarTodas(int s, bool marcar)
{
    if (std::vector<TIndicadorCheck>* medidas = Medidas(s))
        for (TIndicadorCheck& medida : *medidas)
            if (medida.CheckBox)
                medida.CheckBox->setChecked(marcar);
}

void TF_CrearEncuestaP3::CB_SoloClaveClick()
{
    if (m_retirada)
        return;
    const int k = CB_Dimension->currentIndex();
    const int n = NumVistas();
    if (CB_SoloClave->isChecked()) {
        if (k == -1) {
            TDM_General::MensajeError(QStringLiteral("Debe seleccionar una dimensión de la lista"));
            return;
        }
        if (k >= 1 && k <= n) {
            VSoloClave[size_t(k)] = true;
            if (CB_Todos->isChecked()) {
                CB_Todos->setChecked(false);
                VTodos[0] = false;
            }
            bool todas = true;
            for (int v = 1; v <= n; ++v)
                todas = todas && VSoloClave[size_t(v)];
            if (todas)
                VSoloClave[0] = true;
            MarcarSoloClave(k - 1);
        } else if (k == 0) {
            if (CB_Todos->isChecked())
                CB_Todos->setChecked(false);
            for (int v = 0; v <= n; ++v)
                VSoloClave[size_t(v)] = true;
            for (int s = 0; s < n; ++s)
                MarcarSoloClave(s);
        }
    } else if (k >= 1 && k <= n) {
        VSoloClave[size_t(k)] = false;
        VSoloClave[0] = false;
        DesmarcarClave(k - 1);
    } else if (k == 0 && !DesmarcandoSoloClave) {
        for (int v = 0; v <= n; ++v)
            VSoloClave[size_t(v)] = false;
        for (int s = 0; s < n; ++s)
            DesmarcarClave(s);
    } else if (k == 0) {
        // A view change: only the subdimensions with no flag of their own lose their
        // key measures.
        for (int v = 1; v <= n; ++v)
            if (!VSoloClave[size_t(v)] && !VTodos[size_t(v)])
                DesmarcarClave(v - 1);
    }
    DesmarcandoSoloClave = false;
}

void TF_CrearEncuestaP3::CB_TodosClick()
{
    if (m_retirada)
        return;
    const int k = CB_Dimension->currentIndex();
    const int n = NumVistas();
    if (CB_Todos->isChecked()) {
        if (k == -1) {
            TDM_General::MensajeError(QStringLiteral("Debe seleccionar una dimensión de la lista"));
            return;
        }
        if (k >= 1 && k <= n) {
            VTodos[size_t(k)] = true;
            if (CB_SoloClave->isChecked())
                CB_SoloClave->setChecked(false);
            bool todas = true;
            for (int v = 1; v <= n; ++v)
                todas = todas && VTodos[size_t(v)];
            if (todas)
                VTodos[0] = true;
            MarcarTodas(k - 1, true);
        } else if (k == 0) {
            if (CB_SoloClave->isChecked())
                CB_SoloClave->setChecked(false);
            for (int v = 0; v <= n; ++v)
                VTodos[size_t(v)] = true;
            for (int s = 0; s < n; ++s)
                MarcarTodas(s, true);
        }
    } else if (k >= 1 && k <= n) {
        VTodos[size_t(k)] = false;
        VTodos[0] = false;
        MarcarTodas(k - 1, false);
    } else if (k == 0 && !DesmarcandoTodos) {
        for (int v = 0; v <= n; ++v)
            VTodos[size_t(v)] = false;
        for (int s = 0; s < n; ++s)
            MarcarTodas(s, false);
    } else if (k == 0) {
        for (int v = 1; v <= n; ++v)
            if (!VTodos[size_t(v)])
                MarcarTodas(v - 1, false);
    }
    DesmarcandoTodos = false;
}

void TF_CrearEncuestaP3::InsertarPregTemp()
{
    TAltaFilas::Escribir([this](TAltaFilas& filas) {
        ado::TADOQuery* q = DM_BdatosADO->Qquery;
        for (size_t s = 0; s < VIndicadores.size() && !m_retirada; ++s) {
            for (const TIndicadorCheck& medida : VIndicadores[s]) {
                if (!medida.CheckBox || !medida.CheckBox->isChecked())
                    continue;
                DM_BdatosADO->InicializarQuery(
                    QStringLiteral("SELECT cod_pregunta FROM indicador WHERE codigo=:cod_ind"));
                DM_BdatosADO->InsertarParametroEntero(QStringLiteral("cod_ind"), medida.Codigo);
                DM_BdatosADO->ActivarQSelect();
                q->First();
                // A measure taken from the catalogue since it was shown has no question
                // left to ask.
                if (q->Eof())
                    continue;
                const int codPregunta = q->FieldByName(QStringLiteral("cod_pregunta")).AsInteger();

                DM_BdatosADO->InicializarQuery(
                    QStringLiteral("SELECT enunciado, tipo FROM pregunta WHERE codigo=:cod_pre"));
                DM_BdatosADO->InsertarParametroEntero(QStringLiteral("cod_pre"), codPregunta);
                DM_BdatosADO->ActivarQSelect();
                q->First();
                if (q->Eof())
                    continue;
                filas.Anyadir(q->FieldByName(QStringLiteral("enunciado")).AsString(),
                              q->FieldByName(QStringLiteral("tipo")).AsInteger());
            }
        }
    });
}

void TF_CrearEncuestaP3::B_AceptarClick()
{
    if (m_retirada)
        return;
    TGeneracionInforme generacion;
    generacion.AvisoEnPantalla =
        QStringLiteral("Ya hay una encuesta en la vista previa. Ciérrela antes de generar otra.");
    generacion.EscribirFilas = [this] {
        InsertarPregTemp();
        return true;
    };
    generacion.CrearInforme = [this] { return F_Encuesta = new TF_Encuesta(this); };
    generacion.NombrarDimension = [](TVentanaInforme& informe) {
        static_cast<TF_Encuesta&>(informe).InsertarSubcriterio(CodSubcriterio);
    };
    generacion.AlAbrirVista = [this] { ++m_vistasAbiertas; };
    generacion.AlCerrarVista = [this] { VistaPreviaCerrada(); };
    GenerarInforme(this, generacion);
}

void TF_CrearEncuestaP3::VistaPreviaCerrada()
{
    --m_vistasAbiertas;
    if (m_liberarTrasVista && m_vistasAbiertas == 0)
        deleteLater();
}
