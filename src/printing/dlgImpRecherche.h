#pragma once

#include "data/Instruction.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

// "Imprimer le résultat de la recherche": the last search as a list (previewed) or as sheets of
// thumbnails (straight to the printer).
class dlgImpRecherche : public QDialog {
    Q_OBJECT
public:
    // `numeros` copies the search's thumbnail numbers, in catalogue order, when the sheets are printed.
    dlgImpRecherche(const Instruction& texteSQL, const QString& texteCritere, std::function<QStringList()> numeros,
        QWidget* parent = nullptr);

    QComboBox* ChoixPresentation() const { return m_presentation; }
    QComboBox* ChoixCote() const { return m_cote; }

    void Form_Load();
    void ChoixPresentation_Click();
    void OKButton_Click();
    void CancelButton_Click();

private:
    void refuser(const QString& texte);

    Instruction m_texteSQL;
    QString m_texteCritere;
    std::function<QStringList()> m_numeros;
    QComboBox* m_presentation = nullptr;
    QComboBox* m_cote = nullptr;
    QComboBox* m_affichage = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label4 = nullptr;
    QPushButton* m_ok = nullptr;
};
