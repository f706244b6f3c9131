#pragma once
// The program started on a temporary folder: the scripted platform (one drive that is not a disc, a
// desktop 1024 pixels wide), Main, and at the end the windows and the instance lock forgotten.

#include "support/DossierTest.h"
#include "support/PlateformeScriptee.h"

#include <functional>

class ProgrammeTest {
public:
    // `remplirPerso` adds the rows a case needs to the personal database before start-up.
    explicit ProgrammeTest(const std::function<void(const Connexion&)>& remplirPerso = {});
    ~ProgrammeTest();

    bool demarrer();

    DossierTest dossier;
    PlateformeScriptee plateforme;
};
