#pragma once

#include "VentanaCabecera.h"

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

// The indicator windows that start from a list of performance indicators (deletion,
// modification step 1): the indicators by definition, and one action button that
// becomes available once the user chooses one.
class TVentanaListaIR : public TVentanaCabecera
{
    Q_OBJECT
public:
    // The code of each listed indicator, in list order.
    std::vector<int> VCodIR;

protected:
    TVentanaListaIR(QObject* owner, QSize tamano);

    // Run once the form's controls exist: the look, the handler of "SALIR", the list
    // filled by `sql`, and the action button disabled.
    void Preparar(QLabel* titulo, QComboBox* lista, QPushButton* accion, QPushButton* salir,
                  const QString& sql);

    // The list from `sql` (its columns codigo and definicion), none chosen.
    void CargarLista();

    // An indicator chosen: its whole text as the list's tooltip; the first choice makes
    // the action button available and gives it the focus.
    void ListaSelect(int indice);

    // The code of the chosen indicator; none until one is chosen.
    std::optional<int> CodigoElegido() const;

private:
    QComboBox* m_lista = nullptr;
    QPushButton* m_accion = nullptr;
    QString m_sql;
};

// The warning for an indicator that another window has removed since it was listed.
void AvisarIndicadorDesaparecido();
