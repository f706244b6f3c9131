#pragma once

#include "lists/DialogueExportListe.h"

// "Exporter la mancoliste".
class dlgExpManques : public DialogueExportListe {
    Q_OBJECT
public:
    dlgExpManques(const VueResultat* liste, QWidget* parent = nullptr);
};
