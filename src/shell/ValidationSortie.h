#pragma once
// The one way a field is validated when the user leaves it: every form registers its fields here with
// their validator, which runs when the focus leaves the field for another control of the window, and
// which a form runs itself before anything that would otherwise carry an unchecked value away (a move
// of the card, a change of screen, closing). A validator that refuses shows its message and resets
// its field; the message box takes the focus, and that is not a leave: no validator runs again inside
// another one.

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

class ValidationSortie : public QObject {
    Q_OBJECT
public:
    // True when the field's value is accepted (its effects done), false when it was refused.
    using Validateur = std::function<bool()>;

    explicit ValidationSortie(QObject* parent = nullptr);

    void surveiller(QWidget* champ, Validateur validateur);
    // Called by a validator that refuses while keeping the user's value, because the write it made was
    // refused (a database another program holds): the field takes the focus back, and the value stays
    // pending until a validation accepts it.
    void retenir(QWidget* champ);
    // Validates the field that keeps a refused write, then the field that has the focus if it is one of
    // ours and the user typed in it since it was shown or last validated. False when one of them refused,
    // and while a validation is under way.
    bool validerChampActif();
    // Whether a card may close: its typed value is checked first, then `enregistrer` writes what is
    // pending. A refusal, or a write the database refused, keeps the card open with what the user typed.
    bool peutFermer(const std::function<bool()>& enregistrer);
    // A control that acts on the press itself (a slider paging, a button going down). A press on it that
    // takes the focus from a field whose value is then refused comes to nothing, and the field has the
    // focus back: the control receives the press only once the refusal is answered, and the refusal's
    // box took the release, so the control would go on with a press the user ended long ago.
    void surveillerPression(QWidget* controle);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    bool valider(QWidget* champ);

    QHash<QObject*, Validateur> m_validateurs;
    bool m_enCours = false;
    QPointer<QWidget> m_retenu;
    bool m_rappel = false;
    // The controls that act on the press itself (surveillerPression).
    QList<QObject*> m_controlesPression;
    // The control whose press, under way, left a field refused, and that field.
    QPointer<QWidget> m_pressionRefusee;
    QPointer<QWidget> m_champRefuse;
};
