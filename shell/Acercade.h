#pragma once

#include "ui_Acercade.h"

#include <QDialog>
#include <QPointer>

// The about box: the program's name and version, shown modally.
class TF_Acercade : public QDialog, public Ui::TF_Acercade
{
    Q_OBJECT
public:
    explicit TF_Acercade(QWidget* parent = nullptr);

public slots:
    void BitBtn1Click();
};

extern QPointer<TF_Acercade> F_Acercade;
