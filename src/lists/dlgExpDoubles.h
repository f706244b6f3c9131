#pragma once

#include "lists/DialogueExportListe.h"

// "Exporter la dispoliste".
class dlgExpDoubles : public DialogueExportListe {
    Q_OBJECT
public:
    dlgExpDoubles(const VueResultat* liste, QWidget* parent = nullptr);
};
