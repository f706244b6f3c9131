#include "platform/Lecteurs.h"

#include "platform/Plateforme.h"

#include <QFile>

#include <algorithm>

SourceLecteurs::~SourceLecteurs() = default;

namespace {

bool estOctal(char c)
{
    return c >= '0' && c <= '7';
}

// The kernel writes space, tab, newline and backslash in paths as \ooo.
QString decoderChemin(const QByteArray& brut)
{
    QByteArray octets;
    octets.reserve(brut.size());
    for (qsizetype i = 0; i < brut.size(); ++i) {
        if (brut.at(i) == '\\' && i + 3 < brut.size() && estOctal(brut.at(i + 1)) && estOctal(brut.at(i + 2)) &&
            estOctal(brut.at(i + 3))) {
            octets.append(char(((brut.at(i + 1) - '0') << 6) | ((brut.at(i + 2) - '0') << 3) | (brut.at(i + 3) - '0')));
            i += 3;
        } else {
            octets.append(brut.at(i));
        }
    }
    return QFile::decodeName(octets);
}

}  // namespace

QList<Lecteur> AnalyserMountinfo(const QByteArray& contenu)
{
    QList<Lecteur> lecteurs;
    for (const QByteArray& ligne : contenu.split('\n')) {
        const QList<QByteArray> champs = ligne.simplified().split(' ');
        // mount ID, parent ID, major:minor, root, mount point, options,
        // optional fields ended by "-", fs type, source, super options.
        constexpr qsizetype champsFixes = 6;
        if (champs.size() < champsFixes + 3)
            continue;
        const qsizetype tiret = champs.indexOf(QByteArrayLiteral("-"), champsFixes);
        if (tiret < 0 || tiret + 2 >= champs.size())
            continue;
        Lecteur lecteur;
        lecteur.pointMontage = decoderChemin(champs.at(4));
        lecteur.systemeFichiers = QString::fromUtf8(champs.at(tiret + 1));
        lecteur.peripherique = decoderChemin(champs.at(tiret + 2));
        lecteurs.append(lecteur);
    }
    std::stable_sort(lecteurs.begin(), lecteurs.end(),
        [](const Lecteur& a, const Lecteur& b) { return a.pointMontage < b.pointMontage; });
    return lecteurs;
}

bool EstLecteurCDROM(const Lecteur& lecteur)
{
    static const QStringList systemesDisque = {
        QStringLiteral("iso9660"), QStringLiteral("udf"), QStringLiteral("fuse.fuseiso")};
    return lecteur.peripherique.startsWith(QLatin1String("/dev/sr")) ||
        systemesDisque.contains(lecteur.systemeFichiers);
}

QList<Lecteur> SourceLecteursLinux::lecteurs()
{
    QFile fichier(QStringLiteral("/proc/self/mountinfo"));
    if (!fichier.open(QIODevice::ReadOnly))
        return {};
    // The file reports a size of zero; readAll reads it to the end anyway.
    return AnalyserMountinfo(fichier.readAll());
}

QList<Lecteur> ListeLecteursSysteme()
{
    return Plateforme().lecteurs->lecteurs();
}
