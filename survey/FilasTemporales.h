#pragma once

#include <QString>
#include <functional>

// The scratch table PregEncTemp, which carries the rows a wizard chose to its
// printed report, numbered from 1 in the order they were written.

// How many rows it holds.
int FilasPregEncTemp();
// Deletes every row.
void VaciarPregEncTemp();

// Writes a report's rows in one transaction: `escribir` adds them one after the
// other, and either all of them stay or, when it fails, none.
class TAltaFilas
{
public:
    static void Escribir(const std::function<void(TAltaFilas&)>& escribir);

    // A questionnaire's question, with its answer scale.
    void Anyadir(const QString& definicion, int tipo);
    // An indicator report's item, without one.
    void Anyadir(const QString& definicion);

    int Escritas() const { return m_escritas; }

private:
    TAltaFilas() = default;

    int m_escritas = 0;
};
