#pragma once

#include "shell/EcranPrincipal.h"

class OFormTarifs : public EcranPrincipal {
    Q_OBJECT
public:
    explicit OFormTarifs(QWidget* parent = nullptr);

protected:
    void Form_Load() override;
};
