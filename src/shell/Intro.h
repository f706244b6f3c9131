#pragma once
// The splash: borderless, black, covering the screen and kept above every other window, its picture
// centred; it closes itself on its 5-second timer and gives the default pointer back.

#include <QWidget>

class QLabel;
class QTimer;

class Intro : public QWidget {
    Q_OBJECT
public:
    explicit Intro(QWidget* parent = nullptr);
    void Form_Load();
    void Timer1_Timer();

private:
    QLabel* m_image;
    QTimer* m_minuterie;
};
