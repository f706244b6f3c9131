#pragma once
// What the card's three picture windows share: one picture of the stamp read from the disc's FrancePCT,
// drawn large into `Picture1`, reread at every activation; a click on the picture or on `BoutonFermer`
// (or Escape) closes the window.

#include <QColor>
#include <QDialog>
#include <QString>

class BoiteImage;
class QPushButton;

class FenetreImageFiche : public QDialog {
    Q_OBJECT
public:
    BoiteImage* Picture1() const { return m_picture1; }
    QPushButton* BoutonFermer() const { return m_boutonFermer; }
    // The stamp shown (the caption of the card's `Dallay` label) and the column of FrancePCT read.
    QString dallay() const { return m_dallay; }
    QString colonne() const { return m_colonne; }

    // Opens the disc anew and draws the stamp's picture; the area is left blank when there is none.
    void Form_Activate();
    void BoutonFermer_Click();
    void Picture1_Click();

protected:
    FenetreImageFiche(const QString& nom, const QString& titre, const QString& colonne, int largeurImage,
        int hauteurImage, const QColor& fond, const QString& dallay, QWidget* parent);

    bool event(QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QString m_colonne;
    QString m_dallay;
    BoiteImage* m_picture1;
    QPushButton* m_boutonFermer;
    // The activation that follows a show was already served by the show's own load.
    bool m_desactivee = false;
};
