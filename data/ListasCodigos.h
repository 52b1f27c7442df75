#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class QComboBox;

namespace ui {
class TRadioGroup;
}

// Lists of catalogue rows: each item's text from one column of a row and the row's
// `codigo` kept beside it, element i of the codes pairing with item i. All of them
// read the result just opened on the shared query.

// Appends the rows' texts (column `campo`) to `textos` and puts their codes in
// `codigos`, sized to the row count.
void LeerFilasLista(QStringList& textos, std::vector<int>& codigos,
                    const QString& campo = QStringLiteral("definicion"));

// Refills a list, with no item chosen and no text shown. With a `margen` of zero or
// more, its drop-down is as wide as its widest item plus `margen` pixels. An item
// shows its text on one line; the text as stored stays beside it.
void CargarListaCodigos(QComboBox* lista, std::vector<int>& codigos, int margen,
                        const QString& campo = QStringLiteral("definicion"));
void CargarListaCodigos(ui::TRadioGroup* lista, std::vector<int>& codigos);

// Appends the texts as items, each shown on one line with the text as stored beside it.
void AnadirEnUnaLinea(QComboBox* lista, const QStringList& textos);

// The text of item `indice` as stored, line breaks included: what its tooltip shows and
// what the windows hand on.
QString TextoGuardado(const QComboBox* lista, int indice);

// The code beside item `indice`; none (-1 or out of range) gives 0, which no row has.
int CodigoElegido(const std::vector<int>& codigos, int indice);
