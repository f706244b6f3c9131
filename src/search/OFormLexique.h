#pragma once

#include "shell/EcranPrincipal.h"

class OFormLexique : public EcranPrincipal {
    Q_OBJECT
public:
    explicit OFormLexique(QWidget* parent = nullptr);

protected:
    void Form_Load() override;
};
