#pragma once
// The département map: a picture of France with a button over each département's number. A button
// writes its code into the search screen's Dept and closes the map; any other way out leaves Dept alone.

#include <QDialog>

class QLineEdit;

class OFormRechercheDepts : public QDialog {
    Q_OBJECT
public:
    explicit OFormRechercheDepts(QWidget* parent = nullptr);

    // Writes the code just chosen into the search screen's Dept, then closes the map.
    void SelectionDpt();
    void Bouton6_Click();

private:
    QLineEdit* m_choix;
};
