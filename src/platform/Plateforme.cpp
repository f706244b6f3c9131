#include "platform/Plateforme.h"

namespace {

ServicesPlateforme& registre()
{
    static ServicesPlateforme services;
    return services;
}

template <typename Service, typename Qt> void remplir(std::unique_ptr<Service>& service)
{
    if (!service)
        service = std::make_unique<Qt>();
}

// Calls f(registry member, our member, bit) for every member.
template <typename F> void pourChaqueMembre(ServicesPlateforme& a, ServicesPlateforme& b, F f)
{
    f(a.messages, b.messages, 1u << 0);
    f(a.saisie, b.saisie, 1u << 1);
    f(a.fichiers, b.fichiers, 1u << 2);
    f(a.impression, b.impression, 1u << 3);
    f(a.aide, b.aide, 1u << 4);
    f(a.navigateur, b.navigateur, 1u << 5);
    f(a.lecteurs, b.lecteurs, 1u << 6);
    f(a.ecran, b.ecran, 1u << 7);
    f(a.dialogues, b.dialogues, 1u << 8);
}

}  // namespace

ServicesPlateforme& Plateforme()
{
    ServicesPlateforme& s = registre();
    remplir<BoiteMessages, BoiteMessagesQt>(s.messages);
    remplir<BoiteSaisie, BoiteSaisieQt>(s.saisie);
    remplir<DialogueFichier, DialogueFichierQt>(s.fichiers);
    remplir<Impression, ImpressionQt>(s.impression);
    remplir<VisionneuseAide, VisionneuseAideQt>(s.aide);
    remplir<Navigateur, NavigateurQt>(s.navigateur);
    remplir<SourceLecteurs, SourceLecteursLinux>(s.lecteurs);
    remplir<Ecran, EcranQt>(s.ecran);
    remplir<AfficheurDialogues, AfficheurDialoguesQt>(s.dialogues);
    return s;
}

RemplacementServices::RemplacementServices(ServicesPlateforme remplacants) : m_echanges(std::move(remplacants))
{
    pourChaqueMembre(registre(), m_echanges, [this](auto& actuel, auto& echange, unsigned bit) {
        if (echange) {
            actuel.swap(echange);
            m_remplaces |= bit;
        }
    });
}

RemplacementServices::~RemplacementServices()
{
    pourChaqueMembre(registre(), m_echanges, [this](auto& actuel, auto& echange, unsigned bit) {
        if (m_remplaces & bit)
            actuel.swap(echange);
    });
}
