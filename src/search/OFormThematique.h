#pragma once

#include "shell/EcranPrincipal.h"

class OFormThematique : public EcranPrincipal {
    Q_OBJECT
public:
    explicit OFormThematique(QWidget* parent = nullptr);

protected:
    void Form_Load() override;
};
