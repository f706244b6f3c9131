#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct Lecteur {
    QString pointMontage;
    QString peripherique;
    QString systemeFichiers;
};

class SourceLecteurs {
public:
    virtual ~SourceLecteurs();
    virtual QList<Lecteur> lecteurs() = 0;
};

// Reads /proc/self/mountinfo: QStorageInfo leaves FUSE mounts out, and a
// disc image mounted with fuseiso must be found like a real disc.
class SourceLecteursLinux : public SourceLecteurs {
public:
    QList<Lecteur> lecteurs() override;
};

// Every mount listed in the text of a mountinfo file, sorted by mount point.
// Malformed lines are skipped.
QList<Lecteur> AnalyserMountinfo(const QByteArray& contenu);

bool EstLecteurCDROM(const Lecteur& lecteur);

QList<Lecteur> ListeLecteursSysteme();
