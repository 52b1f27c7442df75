// What the two selection boxes of step 3 do, and the writing of the chosen questions.

#include "CrearEncuestaP3.h"

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
    // The questionnaire's rows are written whole or not at all: a failure half-way
    // leaves the scratch table as it was.
    ado::TADOConnection* conexion = DM_BdatosADO->Database1;
    conexion->BeginTrans();
    try {
        int pos = 0;
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
                const QString enunciado = q->FieldByName(QStringLiteral("enunciado")).AsString();
                const int tipo = q->FieldByName(QStringLiteral("tipo")).AsInteger();

                DM_BdatosADO->InicializarQuery(QStringLiteral(
                    "INSERT INTO PregEncTemp(posicion,definicion,tipo) VALUES(:pos,:def,:tipo)"));
                DM_BdatosADO->InsertarParametroEntero(QStringLiteral("pos"), pos + 1);
                DM_BdatosADO->InsertarParametroCadena(QStringLiteral("def"), enunciado);
                DM_BdatosADO->InsertarParametroEntero(QStringLiteral("tipo"), tipo);
                DM_BdatosADO->ActivarQInsertUpdate();
                ++pos;
            }
        }
        conexion->CommitTrans();
    } catch (...) {
        conexion->RollbackTrans();
        throw;
    }
}
