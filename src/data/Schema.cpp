#include "data/Schema.h"

#include <QFile>

static void initialiserRessourcesSchema()
{
    // Resources of a static library are registered only when asked for.
    Q_INIT_RESOURCE(schema);
}

QString TexteSchema(BaseSchema base)
{
    initialiserRessourcesSchema();
    QString nom;
    switch (base) {
    case BaseSchema::Perso:
        nom = QStringLiteral(":/schema/perso.sql");
        break;
    case BaseSchema::Catalogue:
        nom = QStringLiteral(":/schema/catalogue.sql");
        break;
    case BaseSchema::CD:
        nom = QStringLiteral(":/schema/cd.sql");
        break;
    case BaseSchema::EditionPrecedente:
        nom = QStringLiteral(":/schema/precedente.sql");
        break;
    }
    QFile f(nom);
    if (!f.open(QIODevice::ReadOnly))
        throw ErreurBase(QStringLiteral("Schéma introuvable : %1").arg(nom));
    return QString::fromUtf8(f.readAll());
}

void CreerSchema(const Connexion& cnx, BaseSchema base)
{
    cnx.executerScript(TexteSchema(base));
}
