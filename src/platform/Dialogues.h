#pragma once
// Showing the program's own modal dialogs: the one place that waits for the user, so that tests can
// answer a dialog by working its controls instead of blocking.

class QDialog;

class AfficheurDialogues {
public:
    virtual ~AfficheurDialogues();
    // Shows the dialog modal and returns when it closes; the dialog's result.
    virtual int montrerModal(QDialog& dialogue) = 0;
};

class AfficheurDialoguesQt : public AfficheurDialogues {
public:
    int montrerModal(QDialog& dialogue) override;
};

int MontrerModal(QDialog& dialogue);
