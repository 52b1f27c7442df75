#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// The hints of the controls under the mouse pointer, anywhere in the program, for
// the main window's status bar. A control's hint is its status tip, else its tooltip,
// else the hint of the nearest control that holds it; menus report their own items.
// A hint goes when its control is hidden or destroyed (its window closed), since the
// pointer is then over something else.
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

private:
    void Show(QWidget* control, const QString& longHint);

    // The control whose hint shows, if any.
    QPointer<QWidget> m_control;
    QMetaObject::Connection m_gone;
};
