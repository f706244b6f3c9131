#include "support/ProgrammeTest.h"

#include "shell/Demarrage.h"
#include "support/EcransDuProgramme.h"

ProgrammeTest::ProgrammeTest(const std::function<void(const Connexion&)>& remplirPerso)
{
    static const bool ecransEnregistres = (EnregistrerEcransDuProgramme(), true);
    Q_UNUSED(ecransEnregistres);
    plateforme.definirLecteurs(
        {Lecteur {QStringLiteral("/home"), QStringLiteral("/dev/sda1"), QStringLiteral("ext4")}});
    plateforme.definirLargeurBureau(1024);
    if (remplirPerso)
        dossier.creerPerso(remplirPerso);
}

ProgrammeTest::~ProgrammeTest()
{
    OublierDemarrage();
}

bool ProgrammeTest::demarrer()
{
    return Main();
}
