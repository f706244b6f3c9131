#include "shell/ValidationSortie.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

ValidationSortie::ValidationSortie(QObject* parent) : QObject(parent) { }

void ValidationSortie::surveiller(QWidget* champ, Validateur validateur)
{
    m_validateurs.insert(champ, std::move(validateur));
    champ->installEventFilter(this);
    connect(champ, &QObject::destroyed, this, [this](QObject* o) { m_validateurs.remove(o); });
}

bool ValidationSortie::valider(QWidget* champ)
{
    auto it = m_validateurs.constFind(champ);
    if (it == m_validateurs.constEnd() || m_enCours)
        return true;
    // Each validation decides afresh whether the value still waits for its write.
    if (m_retenu == champ)
        m_retenu = nullptr;
    m_enCours = true;
    bool accepte = true;
    try {
        accepte = (*it)();
    } catch (...) {
        m_enCours = false;
        throw;
    }
    m_enCours = false;
    if (!accepte && m_retenu == champ) {
        // The value waits for its write: the field is still pending, and the user is brought back to it
        // once the focus change under way is over.
        // The control the focus went to was only passed through: being taken back from it is no leave.
        QMetaObject::invokeMethod(
            champ,
            [this, champ] {
                m_rappel = true;
                champ->setFocus(Qt::OtherFocusReason);
                m_rappel = false;
            },
            Qt::QueuedConnection);
        return false;
    }
    if (auto* boite = qobject_cast<QLineEdit*>(champ))
        boite->setModified(false);
    else if (auto* zone = qobject_cast<QPlainTextEdit*>(champ))
        zone->document()->setModified(false);
    return accepte;
}

void ValidationSortie::retenir(QWidget* champ)
{
    m_retenu = champ;
}

bool ValidationSortie::validerChampActif()
{
    // A validation under way has not decided yet: its message is up, and what runs beneath it (a slider
    // still paging under the pressed button) must not carry the card away from the value.
    if (m_enCours)
        return false;
    // A value whose write was refused is written before anything moves on, wherever the focus went.
    if (m_retenu && m_retenu != QApplication::focusWidget() && !valider(m_retenu))
        return false;
    QWidget* champ = QApplication::focusWidget();
    // A field is only left for another control; a disabled or hidden field has nothing pending.
    if (!champ || !champ->isEnabled())
        return true;
    // The box has not been typed in since it was shown or last validated: nothing is pending, and the
    // stamp the card moves on to must not be marked as edited by a box it merely wrote.
    if (auto* boite = qobject_cast<QLineEdit*>(champ); boite && !boite->isModified())
        return true;
    if (auto* zone = qobject_cast<QPlainTextEdit*>(champ); zone && !zone->document()->isModified())
        return true;
    return valider(champ);
}

bool ValidationSortie::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::FocusOut) {
        const Qt::FocusReason raison = static_cast<QFocusEvent*>(evenement)->reason();
        // The window losing the focus (a message box, another program) or a menu opening is not a leave.
        if (raison != Qt::ActiveWindowFocusReason && raison != Qt::PopupFocusReason && !m_rappel) {
            auto* champ = qobject_cast<QWidget*>(objet);
            // The focus already belongs to the control pressed; the press reaches it once this leave is
            // decided.
            QWidget* presse = QApplication::focusWidget();
            if (raison != Qt::MouseFocusReason || !m_controlesPression.contains(presse))
                presse = nullptr;
            if (!valider(champ) && presse) {
                m_pressionRefusee = presse;
                m_champRefuse = champ;
                // Only the press under way: it is delivered before anything queued runs.
                QMetaObject::invokeMethod(
                    this, [this] { m_pressionRefusee = nullptr; }, Qt::QueuedConnection);
            }
        }
    } else if (evenement->type() == QEvent::MouseButtonPress && objet == m_pressionRefusee) {
        m_pressionRefusee = nullptr;
        // Taking the focus back from the control is no leave.
        if (QWidget* champ = m_champRefuse.data()) {
            m_champRefuse = nullptr;
            m_rappel = true;
            champ->setFocus(Qt::OtherFocusReason);
            m_rappel = false;
        }
        return true;
    }
    return false;
}

void ValidationSortie::surveillerPression(QWidget* controle)
{
    m_controlesPression.append(controle);
    controle->installEventFilter(this);
    connect(controle, &QObject::destroyed, this, [this](QObject* o) { m_controlesPression.removeAll(o); });
}

bool ValidationSortie::peutFermer(const std::function<bool()>& enregistrer)
{
    return validerChampActif() && enregistrer();
}
