#pragma once

#include <QPointer>
#include <QString>

class QTextBrowser;
class QWidget;

class VisionneuseAide {
public:
    virtual ~VisionneuseAide();
    // false when the file cannot be read.
    virtual bool ouvrir(const QString& fichier) = 0;
};

// One non-modal window, reused and brought to the front on each request.
class VisionneuseAideQt : public VisionneuseAide {
public:
    ~VisionneuseAideQt() override;
    bool ouvrir(const QString& fichier) override;

private:
    QPointer<QWidget> m_fenetre;
    QTextBrowser* m_navigateur = nullptr;
};

bool OuvrirAide(const QString& fichier);
