#pragma once

#include "shell/EcranPrincipal.h"

class OFormRecherche : public EcranPrincipal {
    Q_OBJECT
public:
    explicit OFormRecherche(QWidget* parent = nullptr);

protected:
    void Form_Load() override;
};
