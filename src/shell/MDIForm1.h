#pragma once
// The main window: the program's one menu bar and the area holding the nine main screens.

#include <QMainWindow>

class MDIForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIForm1(QWidget* parent = nullptr);

    void MDIForm_Load();
    void FichierQuitter_Click();
    void FenetreApropos_Click();
    void FenetreRemerci_Click();
    void AideSommaire_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* m_zone;
};

inline const QString CaptionPrincipale = QStringLiteral("Orvalen Zorizad ud Udavoz - Edition 2002-2003");
