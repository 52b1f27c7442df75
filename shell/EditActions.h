#pragma once

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

// The standard edit actions: cut, copy and paste on the focused edit or memo of
// the active window, each enabled only when it can act there.
class TEditActions : public QObject
{
    Q_OBJECT
public:
    TEditActions(QAction* cut, QAction* copy, QAction* paste, QObject* parent);

    // `client` (a menu item or a button) runs `action` and follows its enabled state.
    static void Link(QAction* client, QAction* action);

public slots:
    void UpdateTargets();

private:
    void Follow(QWidget* editor);
    void ExecuteCut();
    void ExecuteCopy();
    void ExecutePaste();

    QPointer<QAction> m_cut;
    QPointer<QAction> m_copy;
    QPointer<QAction> m_paste;
    QPointer<QWidget> m_followed;
    QList<QMetaObject::Connection> m_signals;
};
