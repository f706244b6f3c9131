#pragma once

#include "lists/DialogueExportListe.h"

// "Exporter la mancoliste".
class dlgExpManques : public DialogueExportListe {
    Q_OBJECT
public:
    dlgExpManques(const VueListe* liste, QWidget* parent = nullptr);
};
