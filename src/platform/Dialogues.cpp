#include "platform/Dialogues.h"

#include "platform/Plateforme.h"

#include <QDialog>

AfficheurDialogues::~AfficheurDialogues() = default;

int AfficheurDialoguesQt::montrerModal(QDialog& dialogue)
{
    return dialogue.exec();
}

int MontrerModal(QDialog& dialogue)
{
    return Plateforme().dialogues->montrerModal(dialogue);
}
