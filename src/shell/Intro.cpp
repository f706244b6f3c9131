#include "shell/Intro.h"

#include "platform/Sablier.h"
#include "shell/Artwork.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

Intro::Intro(QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::SplashScreen)
{
    setObjectName(QStringLiteral("Intro"));
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette noir = palette();
    noir.setColor(QPalette::Window, Qt::black);
    setPalette(noir);
    setAutoFillBackground(true);

    m_image = new QLabel(this);
    m_image->setObjectName(QStringLiteral("Picture1"));
    m_image->setPixmap(QPixmap::fromImage(ImageIntro()));
    m_image->resize(500, 500);

    m_minuterie = new QTimer(this);
    m_minuterie->setObjectName(QStringLiteral("Timer1"));
    m_minuterie->setInterval(5000);
    m_minuterie->setSingleShot(true);
    connect(m_minuterie, &QTimer::timeout, this, &Intro::Timer1_Timer);
    Form_Load();
}

void Intro::Form_Load()
{
    m_minuterie->start();
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const QRect zone = ecran ? ecran->geometry() : QRect(0, 0, 800, 600);
    setGeometry(zone);
    m_image->move((zone.width() - m_image->width()) / 2, (zone.height() - m_image->height()) / 2);
}

void Intro::Timer1_Timer()
{
    close();
    RetablirPointeurParDefaut();
}
