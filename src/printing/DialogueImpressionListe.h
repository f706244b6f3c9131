#pragma once
// What the want-list and duplicates print dialogs share: the two numbering labels, the secondary
// numbering and the display boxes, "OK" and "Annuler".

#include "data/Instruction.h"
#include "lists/RequetesListes.h"

#include <QDialog>

class QComboBox;

class DialogueImpressionListe : public QDialog {
    Q_OBJECT
public:
    QComboBox* ChoixCote() const { return m_choixCote; }
    QComboBox* ChoixAffichage() const { return m_choixAffichage; }

    virtual void OKButton_Click() = 0;
    void CancelButton_Click();

protected:
    struct Positions {
        int label2[2], label1[2], label3[2], choixCote[3], label4[2], choixAffichage[3], ok[2], annuler[2];
    };
    DialogueImpressionListe(const QString& nom, const QString& titre, const Positions& p, int largeur, int hauteur,
        const QStringList& cotes, const QStringList& affichages, QWidget* parent);

    void refuser(const QString& texte);

private:
    QComboBox* m_choixCote = nullptr;
    QComboBox* m_choixAffichage = nullptr;
};
