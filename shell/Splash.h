#pragma once

#include "ui_Splash.h"

#include <QPointer>
#include <QWidget>

// The window shown while the program connects to its database and loads.
class TF_Splash : public QWidget, public Ui::TF_Splash
{
    Q_OBJECT
public:
    explicit TF_Splash(QWidget* parent = nullptr);

private:
    void FormCreate();
};

extern QPointer<TF_Splash> F_Splash;
