#pragma once
// The search screen: criteria, the result list and its thumbnails.

#include "shell/EcranPrincipal.h"

class QButtonGroup;

class OFormRecherche : public EcranPrincipal {
    Q_OBJECT
public:
    explicit OFormRecherche(QWidget* parent = nullptr);

    // The option groups, by index as the screen numbers them: Visu 1 "Liste", 2 "Miniatures";
    // Etendue 1 "Zorizad ud Udavoz", 2 "Ma collection".
    void choisirVisu(int index);
    void choisirEtendue(int index);
    int Visu() const;
    int Etendue() const;

    void Visu_Click(int index);
    void Etendue_Click(int index);

protected:
    void Form_Load() override;

private:
    void remplirCriteres();

    QButtonGroup* m_visu;
    QButtonGroup* m_etendue;
};
