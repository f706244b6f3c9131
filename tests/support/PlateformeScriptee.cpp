#include "support/PlateformeScriptee.h"

#include <QDialog>
#include <QPainter>
#include <QPrinter>
#include <QQueue>
#include <QTemporaryDir>
#include <QTest>

struct PlateformeScriptee::Etat {
    struct ReponseMessage {
        Reponse reponse;
        std::function<void()> pendant;
    };
    QQueue<ReponseMessage> reponsesMessage;
    QQueue<std::optional<QString>> reponsesSaisie;
    QQueue<ReponseFichier> reponsesFichier;
    QQueue<bool> reponsesImprimante;
    QQueue<bool> impressionsDepuisApercu;
    bool imprimanteParDefaut = true;
    QQueue<std::function<int(QDialog&)>> reponsesDialogue;
    QStringList dialoguesMontres;

    QList<Lecteur> lecteurs;
    int largeurBureau = 1024;

    QList<Message> messages;
    QStringList saisies;
    QList<DemandeFichier> demandesFichier;
    QStringList aidesOuvertes;
    QList<QUrl> adressesOuvertes;
    QList<DocumentRendu> apercus;
    QList<DocumentRendu> impressions;

    QTemporaryDir dossier;
    int documentsRendus = 0;

    QString nouveauPdf(const QString& prefixe)
    {
        return dossier.filePath(QStringLiteral("%1-%2.pdf").arg(prefixe).arg(++documentsRendus));
    }
};

namespace {

void echouer(const QString& raison)
{
    QTest::qFail(raison.toUtf8().constData(), __FILE__, __LINE__);
}

class MessagesScriptes : public BoiteMessages {
public:
    explicit MessagesScriptes(PlateformeScriptee::Etat& etat) : m_etat(etat) { }

    Reponse afficher(const Message& message) override
    {
        m_etat.messages.append(message);
        if (m_etat.reponsesMessage.isEmpty()) {
            echouer(QStringLiteral("Message inattendu : « %1 »").arg(message.texte));
            return ReponseEchappement(message.boutons);
        }
        const PlateformeScriptee::Etat::ReponseMessage r = m_etat.reponsesMessage.dequeue();
        if (r.pendant)
            r.pendant();
        return r.reponse;
    }

private:
    PlateformeScriptee::Etat& m_etat;
};

class SaisieScriptee : public BoiteSaisie {
public:
    explicit SaisieScriptee(PlateformeScriptee::Etat& etat) : m_etat(etat) { }

    std::optional<QString> demander(const QString& invite, const QString&, const QString&) override
    {
        m_etat.saisies.append(invite);
        if (m_etat.reponsesSaisie.isEmpty()) {
            echouer(QStringLiteral("Saisie inattendue : « %1 »").arg(invite));
            return std::nullopt;
        }
        return m_etat.reponsesSaisie.dequeue();
    }

private:
    PlateformeScriptee::Etat& m_etat;
};

class FichiersScriptes : public DialogueFichier {
public:
    explicit FichiersScriptes(PlateformeScriptee::Etat& etat) : m_etat(etat) { }

    ReponseFichier montrer(const DemandeFichier& demande) override
    {
        m_etat.demandesFichier.append(demande);
        if (m_etat.reponsesFichier.isEmpty()) {
            echouer(QStringLiteral("Dialogue de fichier inattendu : « %1 » (%2)").arg(demande.titre, demande.filtre));
            ReponseFichier annule;
            annule.indexFiltre = demande.indexFiltre;
            return annule;
        }
        return m_etat.reponsesFichier.dequeue();
    }

private:
    PlateformeScriptee::Etat& m_etat;
};

class ImpressionScriptee : public Impression {
public:
    explicit ImpressionScriptee(PlateformeScriptee::Etat& etat) : m_etat(etat) { }

    bool choisirImprimante(QPrinter& imprimante, const QString& titre) override
    {
        if (m_etat.reponsesImprimante.isEmpty()) {
            echouer(QStringLiteral("Choix d'imprimante inattendu : « %1 »").arg(titre));
            return false;
        }
        if (!m_etat.reponsesImprimante.dequeue())
            return false;
        // Whatever the code prints then lands in a file, never on a printer.
        const QString pdf = m_etat.nouveauPdf(QStringLiteral("impression"));
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setOutputFileName(pdf);
        m_etat.impressions.append({titre, pdf});
        return true;
    }

    bool imprimanteParDefaut(QPrinter& imprimante, const QString& titre) override
    {
        if (!m_etat.imprimanteParDefaut)
            return false;
        const QString pdf = m_etat.nouveauPdf(QStringLiteral("impression"));
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setOutputFileName(pdf);
        m_etat.impressions.append({titre, pdf});
        return true;
    }

    // Every page painted one by one, as the preview window paints the page it shows.
    void apercuPages(const DocumentPages& document) override
    {
        const QString pdf = m_etat.nouveauPdf(QStringLiteral("apercu"));
        {
            QPrinter imprimante;
            imprimante.setOutputFormat(QPrinter::PdfFormat);
            imprimante.setOutputFileName(pdf);
            imprimante.setPageLayout(document.page);
            imprimante.setFullPage(true);
            QPainter peintre(&imprimante);
            for (int i = 0; i < document.nombrePages; ++i) {
                if (i > 0)
                    imprimante.newPage();
                document.peindrePage(peintre, i);
            }
        }
        m_etat.apercus.append({document.titre, pdf, document.page.orientation()});
        imprimerSiDemande(document.titre, document.page.orientation(), document.imprimer);
    }

    void imprimerSiDemande(const QString& titre, QPageLayout::Orientation orientation,
        const std::function<void(QPrinter*)>& dessiner)
    {
        if (m_etat.impressionsDepuisApercu.isEmpty())
            return;
        const bool reussie = m_etat.impressionsDepuisApercu.dequeue();
        // A failing printer: one that cannot open its output.
        const QString cible = reussie ? m_etat.nouveauPdf(QStringLiteral("impression"))
                                      : m_etat.dossier.filePath(QStringLiteral("absent/impression.pdf"));
        {
            QPrinter imprimante;
            imprimante.setOutputFormat(QPrinter::PdfFormat);
            imprimante.setOutputFileName(cible);
            imprimante.setPageOrientation(orientation);
            dessiner(&imprimante);
        }
        if (reussie)
            m_etat.impressions.append({titre, cible, orientation});
    }

private:
    PlateformeScriptee::Etat& m_etat;
};

class AideScriptee : public VisionneuseAide {
public:
    explicit AideScriptee(PlateformeScriptee::Etat& etat) : m_etat(etat) { }

    bool ouvrir(const QString& fichier) override
    {
        m_etat.aidesOuvertes.append(fichier);
        return true;
    }

private:
    PlateformeScriptee::Etat& m_etat;
};

class NavigateurScripte : public Navigateur {
public:
    explicit NavigateurScripte(PlateformeScriptee::Etat& etat) : m_etat(etat) { }

    bool ouvrir(const QUrl& adresse) override
    {
        m_etat.adressesOuvertes.append(adresse);
        return true;
    }

private:
    PlateformeScriptee::Etat& m_etat;
};

class LecteursScriptes : public SourceLecteurs {
public:
    explicit LecteursScriptes(PlateformeScriptee::Etat& etat) : m_etat(etat) { }

    QList<Lecteur> lecteurs() override { return m_etat.lecteurs; }

private:
    PlateformeScriptee::Etat& m_etat;
};

class EcranScripte : public Ecran {
public:
    explicit EcranScripte(PlateformeScriptee::Etat& etat) : m_etat(etat) { }

    int largeurBureau() override { return m_etat.largeurBureau; }

private:
    PlateformeScriptee::Etat& m_etat;
};

class DialoguesScriptes : public AfficheurDialogues {
public:
    explicit DialoguesScriptes(PlateformeScriptee::Etat& etat) : m_etat(etat) { }

    int montrerModal(QDialog& dialogue) override
    {
        m_etat.dialoguesMontres.append(dialogue.objectName());
        if (m_etat.reponsesDialogue.isEmpty()) {
            echouer(QStringLiteral("Dialogue inattendu : %1").arg(dialogue.objectName()));
            return QDialog::Rejected;
        }
        return m_etat.reponsesDialogue.dequeue()(dialogue);
    }

private:
    PlateformeScriptee::Etat& m_etat;
};

}  // namespace

PlateformeScriptee::PlateformeScriptee() : m_etat(std::make_unique<Etat>())
{
    ServicesPlateforme doubles;
    doubles.messages = std::make_unique<MessagesScriptes>(*m_etat);
    doubles.saisie = std::make_unique<SaisieScriptee>(*m_etat);
    doubles.fichiers = std::make_unique<FichiersScriptes>(*m_etat);
    doubles.impression = std::make_unique<ImpressionScriptee>(*m_etat);
    doubles.aide = std::make_unique<AideScriptee>(*m_etat);
    doubles.navigateur = std::make_unique<NavigateurScripte>(*m_etat);
    doubles.lecteurs = std::make_unique<LecteursScriptes>(*m_etat);
    doubles.ecran = std::make_unique<EcranScripte>(*m_etat);
    doubles.dialogues = std::make_unique<DialoguesScriptes>(*m_etat);
    m_remplacement = std::make_unique<RemplacementServices>(std::move(doubles));
}

PlateformeScriptee::~PlateformeScriptee()
{
    // The doubles hold a reference to the state: put the previous services
    // back before the state goes.
    m_remplacement.reset();

    // After a failure the code may well have stopped short; one failure is
    // enough.
    if (QTest::currentTestFailed())
        return;
    QStringList restants;
    if (!m_etat->reponsesMessage.isEmpty())
        restants << QStringLiteral("%1 message(s)").arg(m_etat->reponsesMessage.size());
    if (!m_etat->reponsesSaisie.isEmpty())
        restants << QStringLiteral("%1 saisie(s)").arg(m_etat->reponsesSaisie.size());
    if (!m_etat->reponsesFichier.isEmpty())
        restants << QStringLiteral("%1 dialogue(s) de fichier").arg(m_etat->reponsesFichier.size());
    if (!m_etat->reponsesImprimante.isEmpty())
        restants << QStringLiteral("%1 choix d'imprimante").arg(m_etat->reponsesImprimante.size());
    if (!m_etat->impressionsDepuisApercu.isEmpty())
        restants << QStringLiteral("%1 impression(s) depuis l'aperçu").arg(m_etat->impressionsDepuisApercu.size());
    if (!m_etat->reponsesDialogue.isEmpty())
        restants << QStringLiteral("%1 dialogue(s)").arg(m_etat->reponsesDialogue.size());
    if (!restants.isEmpty())
        echouer(
            QStringLiteral("Réponses préparées mais jamais demandées : %1").arg(restants.join(QStringLiteral(", "))));
}

void PlateformeScriptee::repondreMessage(Reponse reponse, std::function<void()> pendant)
{
    m_etat->reponsesMessage.enqueue({reponse, std::move(pendant)});
}

void PlateformeScriptee::repondreSaisie(std::optional<QString> reponse)
{
    m_etat->reponsesSaisie.enqueue(std::move(reponse));
}

void PlateformeScriptee::repondreFichier(ReponseFichier reponse)
{
    m_etat->reponsesFichier.enqueue(std::move(reponse));
}

void PlateformeScriptee::repondreImprimante(bool accepte)
{
    m_etat->reponsesImprimante.enqueue(accepte);
}

void PlateformeScriptee::imprimerDepuisApercu(bool reussie)
{
    m_etat->impressionsDepuisApercu.enqueue(reussie);
}

void PlateformeScriptee::definirImprimanteParDefaut(bool presente)
{
    m_etat->imprimanteParDefaut = presente;
}

void PlateformeScriptee::repondreDialogue(std::function<int(QDialog&)> script)
{
    m_etat->reponsesDialogue.enqueue(std::move(script));
}

QStringList PlateformeScriptee::dialoguesMontres() const
{
    return m_etat->dialoguesMontres;
}

void PlateformeScriptee::definirLecteurs(QList<Lecteur> lecteurs)
{
    m_etat->lecteurs = std::move(lecteurs);
}

void PlateformeScriptee::definirLargeurBureau(int largeur)
{
    m_etat->largeurBureau = largeur;
}

QList<Message> PlateformeScriptee::messages() const
{
    return m_etat->messages;
}

QStringList PlateformeScriptee::saisies() const
{
    return m_etat->saisies;
}

QList<DemandeFichier> PlateformeScriptee::demandesFichier() const
{
    return m_etat->demandesFichier;
}

QStringList PlateformeScriptee::aidesOuvertes() const
{
    return m_etat->aidesOuvertes;
}

QList<QUrl> PlateformeScriptee::adressesOuvertes() const
{
    return m_etat->adressesOuvertes;
}

QList<DocumentRendu> PlateformeScriptee::apercus() const
{
    return m_etat->apercus;
}

QList<DocumentRendu> PlateformeScriptee::impressions() const
{
    return m_etat->impressions;
}
