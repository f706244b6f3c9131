#pragma once

#include "shell/EcranPrincipal.h"

class OFormDoubles : public EcranPrincipal {
    Q_OBJECT
public:
    explicit OFormDoubles(QWidget* parent = nullptr);

protected:
    void Form_Load() override;
};
