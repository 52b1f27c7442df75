#pragma once

#include <QObject>
#include <QString>

// The hints of the controls under the mouse pointer, anywhere in the program, for
// the main window's status bar. A control's hint is its status tip, else its tooltip,
// else the hint of the nearest control that holds it; menus report their own items.
class TStatusHints : public QObject
{
    Q_OBJECT
public:
    explicit TStatusHints(QObject* parent);

    // The long part of a hint: the text after "|", or the whole hint without one.
    static QString LongHint(const QString& hint);
    static QString HintOf(const QWidget* control);

signals:
    void HintChanged(const QString& longHint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
