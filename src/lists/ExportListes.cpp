#include "lists/ExportListes.h"

#include "collections/Correspondances.h"
#include "data/Conditions.h"

#include <QSaveFile>

QByteArray TexteEchange(const QList<QStringList>& lignes, bool manques)
{
    QStringList entete = {QStringLiteral("DALLAY")};
    for (const Condition& c : Conditions)
        entete << c.colonneEchange;
    QString texte = entete.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (const QStringList& l : lignes) {
        QStringList champs = {l.value(0)};
        for (std::size_t i = 0; i < Conditions.size(); ++i) {
            // A row's condition cells follow its number and its designation.
            const QString cellule = l.value(2 + int(i));
            if (manques)
                champs << (cellule == QLatin1String("x") || cellule == QLatin1String("1") ? QStringLiteral("1") : QString());
            else
                champs << cellule;
        }
        texte += champs.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return VersWindows1252(texte);
}

QString EcrireFichierEchange(const QString& chemin, const QByteArray& octets)
{
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return QStringLiteral("Impossible de créer le fichier %1 : %2").arg(chemin, fichier.errorString());
    if (fichier.write(octets) != octets.size()) {
        const QString raison = fichier.errorString();
        fichier.cancelWriting();
        return QStringLiteral("Impossible d'écrire le fichier %1 : %2").arg(chemin, raison);
    }
    if (!fichier.commit())
        return QStringLiteral("Impossible d'écrire le fichier %1 : %2").arg(chemin, fichier.errorString());
    return {};
}

QString NumerosListe(const QList<QStringList>& lignes)
{
    QStringList numeros;
    for (const QStringList& l : lignes)
        numeros << l.value(0);
    return numeros.join(QStringLiteral(", "));
}
