#pragma once
// The about box: fixed texts only.

#include <QDialog>

class frmAproposde : public QDialog {
    Q_OBJECT
public:
    explicit frmAproposde(QWidget* parent = nullptr);
    void cmdOK_Click();
};
