#pragma once

#include "TestSupport.h"

#include <QImage>

class QComboBox;

// What every header-window test stands on: a fresh database in a temporary folder,
// the database module, the frame with its client area and command lock, and every
// message box answered at once.
class EntornoCabeceras
{
public:
    EntornoCabeceras();
    ~EntornoCabeceras();

    testing::Workspace ws;
    testing::MessageRecorder mensajes;

    void Cabecera(int codigo, const QString& centro, const QString& direccion = QString(),
                  const QString& telefono = QString(), const QVariant& logo = QVariant());
    // codigo, centro, direccion, telefono, logo of every row, by code.
    QList<QVariantList> Filas();
    // The ten work commands of the frame, enabled or not, in the lock's order.
    QList<bool> Menus() const;
    static QList<bool> Todos(bool habilitados) { return QList<bool>(10, habilitados); }

    // A picture file for the logo dialog, written in the workspace.
    QString Imagen(const QString& nombre, const QImage& imagen, const char* formato);

    static QImage Bmp(const QVariant& logo);
    // A picture of the given size: the top quarter blue, the rest red, with the
    // right half of the red part green, so that place and orientation show.
    static QImage Muestra(int ancho, int alto);
};

// Picks item `indice` of a list as a user does, with the keyboard.
void Elegir(QComboBox* lista, int indice);

const QColor kAzul(32, 64, 192);
const QColor kRojo(192, 48, 32);
const QColor kVerde(32, 160, 64);

// Colours equal within what JPEG compression and resizing change.
bool Parecido(const QColor& a, const QColor& b, int margen = 24);
