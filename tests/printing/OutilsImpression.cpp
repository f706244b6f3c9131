#include "OutilsImpression.h"

#include "data/Connexion.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

QString TextePdf(const QString& fichier, int page, bool disposition)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        QTest::qFail("pdftotext introuvable (paquet poppler-utils)", __FILE__, __LINE__);
        return {};
    }
    QStringList arguments;
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    if (disposition)
        arguments << QStringLiteral("-layout");
    arguments << fichier << QStringLiteral("-");
    QProcess processus;
    processus.start(pdftotext, arguments);
    processus.waitForFinished();
    return QString::fromUtf8(processus.readAllStandardOutput());
}

QList<MotPdf> MotsPdf(const QString& fichier, int page)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        QTest::qFail("pdftotext introuvable (paquet poppler-utils)", __FILE__, __LINE__);
        return {};
    }
    QProcess processus;
    processus.start(pdftotext, {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                   QString::number(page), fichier, QStringLiteral("-")});
    processus.waitForFinished();
    const QString html = QString::fromUtf8(processus.readAllStandardOutput());
    static const QRegularExpression mot(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    QList<MotPdf> mots;
    for (auto it = mot.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString texte = m.captured(5);
        texte.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        mots.append({texte, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
            m.captured(4).toDouble()});
    }
    return mots;
}

int NombrePagesPdf(const QString& fichier)
{
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    QProcess processus;
    processus.start(pdfinfo, {fichier});
    processus.waitForFinished();
    const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    const auto m = pages.match(QString::fromUtf8(processus.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString LigneAvec(const QString& texte, const QString& contenu)
{
    for (const QString& ligne : texte.split(QLatin1Char('\n')))
        if (ligne.contains(contenu))
            return ligne.simplified();
    return {};
}

void CatalogueTroisTimbres(const Connexion& cnx)
{
    cnx.executerScript(QStringLiteral(R"(
        INSERT INTO Rubriques VALUES ('AA', 'Timbres-Poste', 1);
        INSERT INTO France (Dallay, Ordre, ID2, AnneeEmission, DesignationCourt, Rubrique) VALUES ('1', 10, 'M1', '1849', 'Cérès', 'AA');
        INSERT INTO France (Dallay, Ordre, ID2, AnneeEmission, DesignationCourt, Rubrique) VALUES ('2', 20, 'M2', '1852', 'Napoléon', 'AA');
        INSERT INTO France (Dallay, Ordre, ID2, AnneeEmission, DesignationCourt, Rubrique) VALUES ('3', 30, NULL, '1853', 'Présidence', 'AA');
        INSERT INTO Cotations2001 (Dallay, Neuf, NeufAvecCharniere, Oblitere) VALUES ('1', 10, 6.5, 4);
        INSERT INTO Cotations2001 (Dallay, Neuf) VALUES ('2', 1234.5);
    )"));
}
