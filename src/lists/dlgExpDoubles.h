#pragma once

#include "lists/DialogueExportListe.h"

// "Exporter la dispoliste".
class dlgExpDoubles : public DialogueExportListe {
    Q_OBJECT
public:
    dlgExpDoubles(const VueListe* liste, QWidget* parent = nullptr);
};
