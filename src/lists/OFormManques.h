#pragma once

#include "shell/EcranPrincipal.h"

class OFormManques : public EcranPrincipal {
    Q_OBJECT
public:
    explicit OFormManques(QWidget* parent = nullptr);

protected:
    void Form_Load() override;
};
