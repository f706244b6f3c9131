#pragma once

#include "printing/Inventaire.h"

#include <QDialog>

class QComboBox;
class QRadioButton;

// "Imprimer la liste des timbres de la collection": the valued inventory of the open collection.
class dlgImpListeTimbres : public QDialog {
    Q_OBJECT
public:
    explicit dlgImpListeTimbres(QWidget* parent = nullptr);

    Etendue etendue() const;
    QComboBox* ChoixCote() const { return m_choixCote; }

    void Form_Load();
    void OKButton_Click();
    void CancelButton_Click();

private:
    QRadioButton* m_etendue[5] = {};
    QComboBox* m_choixCote = nullptr;
};
