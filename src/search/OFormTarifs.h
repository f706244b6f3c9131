#pragma once
// The postal-rates screen: the catalogue's table of rates, read once at the load, under fixed grouped
// headings. The user only reads and scrolls it.

#include "data/Recordset.h"
#include "shell/EcranPrincipal.h"

class QTableWidget;

class OFormTarifs : public EcranPrincipal {
    Q_OBJECT
public:
    explicit OFormTarifs(QWidget* parent = nullptr);

    // The rows the grid shows, kept for the whole run.
    Recordset rstTarifs;

protected:
    void Form_Load() override;

private:
    void remplirGrille();
    void dimensionnerColonnes();

    QTableWidget* m_grille;
};
