#include "data/GroupeTravail.h"

#include <QFile>
#include <QStringList>

namespace {
const QString Entete = QStringLiteral("ORVALEN-GROUPE-DE-TRAVAIL 1");
}

bool CompteAccepte(const QString& cheminGroupeTravail, const QString& utilisateur, const QString& motDePasse)
{
    QFile f(cheminGroupeTravail);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QStringList lignes = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    if (lignes.isEmpty() || lignes.first().trimmed() != Entete)
        return false;
    for (QString ligne : lignes.mid(1)) {
        if (ligne.endsWith(QLatin1Char('\r')))
            ligne.chop(1);
        if (ligne.trimmed().isEmpty() || ligne.startsWith(QLatin1Char('#')))
            continue;
        const QStringList champs = ligne.split(QLatin1Char('\t'));
        if (champs.size() < 2 || champs.at(0) != QStringLiteral("compte"))
            continue;
        const QString mot = champs.size() >= 3 ? champs.at(2) : QString();
        if (QString::compare(champs.at(1), utilisateur, Qt::CaseInsensitive) == 0 && mot == motDePasse)
            return true;
    }
    return false;
}

QString ContenuGroupeTravail()
{
    return Entete + QStringLiteral("\n# Comptes sous lesquels le programme ouvre ses bases.\ncompte\t") +
        UtilisateurProgramme + QStringLiteral("\t\n");
}
