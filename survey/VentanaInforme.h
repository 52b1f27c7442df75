#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

namespace report {
class TQRBand;
class TQRDBText;
class TQRDataSource;
struct TQRFont;
class TQuickRep;
} // namespace report

// What the two printed reports of the scratch table share (the questionnaire and the
// indicator report): a window that is never shown and holds an A4 report of the rows
// of PregEncTemp, read through the shared table; the counting pass that gives the
// footer its page total; the preview without its caption bar; and, once the preview
// closes, the rows deleted, the table closed and the window freed.
class TVentanaInforme : public QWidget
{
    Q_OBJECT
public:
    ~TVentanaInforme() override;

    int TotalPaginas = 0;

    // The report the window was made for.
    report::TQuickRep* Informe() const;
    void HideCaptionBar();

protected:
    explicit TVentanaInforme(QObject* owner);

    // The report as both are designed: A4 upright, 10 mm margins, the page header and
    // footer on every page, printed even without rows.
    report::TQuickRep* NuevoInforme(const QString& nombre, const report::TQRFont& fuente);
    // A row's number, centred on silver, and its text, wrapped in its width: both in
    // "Book Antiqua" (8 and 9 points) and growing downwards with their lines.
    static report::TQRDBText* CrearNumero(report::TQRBand* band, double left, double top,
                                          double height);
    static report::TQRDBText* CrearDefinicion(report::TQRBand* band, double left, double top,
                                              double width);
    // Opens PregEncTemp through the shared table, binds the report, its number and its
    // text to it, and runs the counting pass.
    void EnlazarFilas(report::TQRDBText* numero, report::TQRDBText* definicion);
    // The counting pass: runs the report without showing it; its pages are the total.
    void ContarPaginas();
    // "Página " + the page being printed + " de " + the total.
    QString TextoPagina() const;
    // The name of the dimension `codigo`; empty when there is none.
    static QString NombreDimension(int codigo);
    // After the preview: the rows deleted, the table closed, the window closed.
    void VistaPreviaCerrada();

private:
    QPointer<report::TQuickRep> m_informe; // the window's own report
    std::shared_ptr<report::TQRDataSource> m_filas;
};
