#pragma once
// The credits window: fixed texts only.

#include <QDialog>

class frmRemerciements : public QDialog {
    Q_OBJECT
public:
    explicit frmRemerciements(QWidget* parent = nullptr);
    void OKButton_Click();
};
