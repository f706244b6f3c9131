#pragma once

#include "platform/Adresses.h"
#include "platform/Aide.h"
#include "platform/DialogueFichier.h"
#include "platform/Dialogues.h"
#include "platform/Ecran.h"
#include "platform/Impression.h"
#include "platform/Lecteurs.h"
#include "platform/Messages.h"
#include "platform/Saisie.h"

#include <memory>

struct ServicesPlateforme {
    std::unique_ptr<BoiteMessages> messages;
    std::unique_ptr<BoiteSaisie> saisie;
    std::unique_ptr<DialogueFichier> fichiers;
    std::unique_ptr<Impression> impression;
    std::unique_ptr<VisionneuseAide> aide;
    std::unique_ptr<Navigateur> navigateur;
    std::unique_ptr<SourceLecteurs> lecteurs;
    std::unique_ptr<Ecran> ecran;
    std::unique_ptr<AfficheurDialogues> dialogues;
};

// The services in use; any member left empty is given its Qt implementation
// here, so every member is set on return.
ServicesPlateforme& Plateforme();

// While it lives, the members given to it replace those of the registry; the
// members left empty are untouched. Its destruction puts the previous ones
// back (an empty one stays empty until next used).
class RemplacementServices {
public:
    explicit RemplacementServices(ServicesPlateforme remplacants);
    ~RemplacementServices();
    RemplacementServices(const RemplacementServices&) = delete;
    RemplacementServices& operator=(const RemplacementServices&) = delete;

private:
    ServicesPlateforme m_echanges;  // the replaced members while alive, the replacements after
    unsigned m_remplaces = 0;       // one bit per member
};
