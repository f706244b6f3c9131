#pragma once

#include "lists/EcranListe.h"

class QCheckBox;
class QLineEdit;
class ValidationSortie;

// The want list ("mancoliste"): the stamps, or by keyword the varieties, that the open collection still
// lacks in the conditions asked for.
class OFormManques : public EcranListe {
    Q_OBJECT
public:
    explicit OFormManques(QWidget* parent = nullptr);

    // The NC year of the last build that read its conditions.
    QString AnneeNC() const { return m_anneeNC; }
    OptionsEtats optionsEtats() const;

    void ChoixNeuf_Click();
    void ChoixAccepterNC_Click();
    void ChoixNCversNeuf_Click();
    void ChoixOblitéré_Click();
    // The leaving of ChoixNCAnnée.
    bool ChoixNCAnnée_Validate();
    void Timer1_Timer();

protected:
    void Form_Load() override;
    OptionsListe options() const override;
    ListeConstruite construire(const OptionsListe& options) const override;
    ListeConstruite construireMotCle(const OptionsListe& options) const override;
    void conditionsLues() override;
    bool montrerExport() override;
    void montrerListeEcran() override;

private:
    QCheckBox* m_neuf = nullptr;
    QCheckBox* m_accepterNC = nullptr;
    QLineEdit* m_anneeNCBoite = nullptr;
    QCheckBox* m_accepterNSG = nullptr;
    QCheckBox* m_ncVersNeuf = nullptr;
    QCheckBox* m_obliVersNeuf = nullptr;
    QCheckBox* m_oblitere = nullptr;
    QCheckBox* m_lettre = nullptr;
    QCheckBox* m_emis = nullptr;
    ValidationSortie* m_validation = nullptr;
    QString m_anneeNC;
};
