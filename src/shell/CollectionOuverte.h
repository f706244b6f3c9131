#pragma once
// The open collection: which collection every per-collection screen works on, or none. One value owned
// by the shell, changed only by the collections screen opening or closing a collection (a creation, a
// deletion and an import close it), and announced: each screen that follows it subscribes to changee()
// and brings its own controls in line. Nothing of it is stored: every start begins with none open.

#include <QObject>
#include <QString>

class EtatCollectionOuverte : public QObject {
    Q_OBJECT
public:
    // The collection's code, as the database writes it, or empty when none is open.
    const QString& code() const { return m_code; }
    // The name the collections screen shows: the open collection's, "- Aucune -" after start-up, empty
    // after a close. Report titles take it as it is.
    const QString& nom() const { return m_nom; }
    bool estOuverte() const { return !m_code.isEmpty(); }

    // Start-up: no collection open yet.
    void demarrer();
    // Opening a collection, also while another is open, also the one already open.
    void ouvrir(const QString& code, const QString& nom);
    void fermer();
    // The open collection's new name; it stays open and the screens stay as they are.
    void renommer(const QString& nom);

signals:
    // A collection was opened or closed: each screen brings itself in line.
    void changee();
    void renommee();

private:
    void definir(const QString& code, const QString& nom);

    QString m_code;
    QString m_nom;
};

// The one open collection of the program.
EtatCollectionOuverte& LaCollectionOuverte();

// Short forms: its code ("" when none), its name as shown, whether one is open.
inline QString CodeCollectionOuverte() { return LaCollectionOuverte().code(); }
inline QString NomCollectionOuverte() { return LaCollectionOuverte().nom(); }
inline bool CollectionEstOuverte() { return LaCollectionOuverte().estOuverte(); }
