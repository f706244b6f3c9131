#pragma once

#include "shell/EcranPrincipal.h"

class OFormSaisieRapide : public EcranPrincipal {
    Q_OBJECT
public:
    explicit OFormSaisieRapide(QWidget* parent = nullptr);

protected:
    void Form_Load() override;
};
