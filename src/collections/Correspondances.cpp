#include "collections/Correspondances.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <array>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the five bytes it leaves undefined keep their Latin-1
// code points, so that every byte reads as some character and writes back as itself.
constexpr std::array<char16_t, 32> PlageWindows1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80-0x87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88-0x8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90-0x97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98-0x9F
};

char octetWindows1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < PlageWindows1252.size(); ++i) {
        if (PlageWindows1252[i] == c)
            return char(0x80 + i);
    }
    return '?';
}

// Dallay compares ignoring case as SQLite's NOCASE does (ASCII letters only), so that two lines naming one
// stamp in two spellings are still one stamp for the table's unique key.
QString cleDallay(const QString& dallay)
{
    QString cle = dallay;
    for (QChar& c : cle) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return cle;
}

// A line as quoted in a message: a file that is no text file at all may hold one huge line.
QString extrait(const QString& ligne)
{
    constexpr int Longueur = 60;
    return ligne.size() <= Longueur ? ligne : ligne.left(Longueur) + QChar(0x2026);
}

bool estBlanche(const QString& ligne)
{
    for (const QChar c : ligne) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t'))
            return false;
    }
    return true;
}

}  // namespace

QByteArray VersWindows1252(const QString& texte)
{
    QByteArray octets;
    octets.reserve(texte.size());
    for (char32_t c : texte.toUcs4())
        octets.append(octetWindows1252(c));
    return octets;
}

QString DepuisWindows1252(const QByteArray& octets)
{
    QString texte;
    texte.reserve(octets.size());
    for (char o : octets) {
        const auto octet = static_cast<unsigned char>(o);
        if (octet >= 0x80 && octet <= 0x9F)
            texte.append(QChar(PlageWindows1252[octet - 0x80]));
        else
            texte.append(QChar(octet));
    }
    return texte;
}

void ExporterCorrespondances(const Connexion& perso, const QString& cible)
{
    QByteArray contenu;
    try {
        Requete r = perso.preparer(QStringLiteral("SELECT Dallay, IDPerso FROM CorrespID ORDER BY rowid"));
        while (r.suivante()) {
            contenu += VersWindows1252(r.colonne(0).toString());
            contenu += ';';
            contenu += VersWindows1252(r.colonne(1).toString());
            contenu += "\r\n";
        }
    } catch (const ErreurBase& e) {
        throw ErreurBase(
            QStringLiteral("Les numéros personnels n'ont pas pu être lus.\n%1").arg(e.message()), e.code());
    }
    QSaveFile fichier(cible);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(contenu) != contenu.size() || !fichier.commit())
        throw ErreurBase(QStringLiteral("Le fichier %1 n'a pas pu être écrit : %2")
                             .arg(QDir::toNativeSeparators(cible), fichier.errorString()));
}

LectureCorrespondances LireCorrespondances(const QString& chemin)
{
    LectureCorrespondances lecture;
    if (!QFileInfo(chemin).isFile()) {
        lecture.erreur = QStringLiteral("Le fichier %1 est introuvable.").arg(QDir::toNativeSeparators(chemin));
        return lecture;
    }
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        lecture.erreur = QStringLiteral("Le fichier %1 ne peut pas être lu : %2")
                             .arg(QDir::toNativeSeparators(chemin), fichier.errorString());
        return lecture;
    }
    const QByteArray octets = fichier.readAll();
    if (fichier.error() != QFileDevice::NoError) {
        lecture.erreur = QStringLiteral("Le fichier %1 ne peut pas être lu : %2")
                             .arg(QDir::toNativeSeparators(chemin), fichier.errorString());
        return lecture;
    }
    // A text saved as Unicode by another program: UTF-8 says so by its byte-order mark and reads as what it is;
    // UTF-16 would read as garbage, one NUL byte in two.
    QString texte;
    if (octets.startsWith("\xEF\xBB\xBF")) {
        texte = QString::fromUtf8(octets.mid(3));
    } else if (octets.startsWith("\xFF\xFE") || octets.startsWith("\xFE\xFF")) {
        lecture.erreur = QStringLiteral("La ligne 1 du fichier commence par la marque d'un texte Unicode (UTF-16) : "
                                        "enregistrez le fichier en texte ANSI.");
        return lecture;
    } else {
        texte = DepuisWindows1252(octets);
    }

    QStringList lignes;
    qsizetype debut = 0;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lignes << texte.mid(debut, i - debut);
        if (c == QLatin1Char('\r') && i + 1 < texte.size() && texte.at(i + 1) == QLatin1Char('\n'))
            ++i;
        debut = i + 1;
    }
    if (debut < texte.size())
        lignes << texte.mid(debut);
    // Editors often leave blank lines after the last one; a blank line among the others is still refused.
    while (!lignes.isEmpty() && estBlanche(lignes.constLast()))
        lignes.removeLast();

    QHash<QString, qsizetype> positions;  // folded Dallay -> index in paires
    const auto refuser = [&](const QString& erreur) {
        lecture.paires.clear();
        lecture.erreur = erreur;
        return lecture;
    };
    for (qsizetype n = 0; n < lignes.size(); ++n) {
        const QString& ligne = lignes.at(n);
        if (ligne.contains(QChar(0)))
            return refuser(
                QStringLiteral("La ligne %1 du fichier contient un caractère nul : ce n'est pas un fichier texte ANSI.")
                    .arg(n + 1));
        const qsizetype separateur = ligne.indexOf(QLatin1Char(';'));
        if (separateur < 0)
            return refuser(QStringLiteral("La ligne %1 du fichier ne contient pas de point-virgule : « %2 »")
                               .arg(n + 1)
                               .arg(extrait(ligne)));
        if (separateur == 0)
            return refuser(
                QStringLiteral("La ligne %1 du fichier n'a pas de numéro Dallay avant le point-virgule : « %2 »")
                    .arg(n + 1)
                    .arg(extrait(ligne)));
        const QString dallay = ligne.left(separateur);
        const qsizetype fin = ligne.indexOf(QLatin1Char(';'), separateur + 1);
        const QString idPerso = ligne.mid(separateur + 1, fin < 0 ? -1 : fin - separateur - 1);
        const QString cle = cleDallay(dallay);
        const auto dejaVu = positions.constFind(cle);
        if (dejaVu != positions.constEnd()) {
            lecture.paires[*dejaVu] = {dallay, idPerso};
        } else {
            positions.insert(cle, lecture.paires.size());
            lecture.paires.append({dallay, idPerso});
        }
    }
    return lecture;
}

void RemplacerCorrespondances(const Connexion& perso, const QList<QPair<QString, QString>>& paires)
{
    try {
        Transaction transaction(perso);
        perso.executer(QStringLiteral("DELETE FROM CorrespID"));
        {
            Requete ajout = perso.preparer(QStringLiteral("INSERT INTO CorrespID (Dallay, IDPerso) VALUES (?, ?)"));
            for (const auto& [dallay, idPerso] : paires) {
                ajout.reinitialiser();
                ajout.lierTout({dallay, idPerso.isEmpty() ? QVariant() : QVariant(idPerso)});
                ajout.suivante();
            }
        }
        transaction.valider();
    } catch (const ErreurBase& e) {
        throw ErreurBase(
            QStringLiteral("Les numéros personnels n'ont pas pu être remplacés ; ils restent tels qu'ils étaient.\n%1")
                .arg(e.message()),
            e.code());
    }
}

void ViderCorrespondances(const Connexion& perso)
{
    try {
        Transaction transaction(perso);
        perso.executer(QStringLiteral("DELETE FROM CorrespID"));
        transaction.valider();
    } catch (const ErreurBase& e) {
        throw ErreurBase(
            QStringLiteral("Les numéros personnels n'ont pas pu être supprimés.\n%1").arg(e.message()), e.code());
    }
}
