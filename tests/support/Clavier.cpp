#include "support/Clavier.h"

#include <QApplication>
#include <QComboBox>
#include <QtTest>

bool TaperDansCombo(QComboBox* combo, const QString& texte, Qt::Key fin)
{
    QWidget* fenetre = combo->window();
    fenetre->show();
    QApplication::setActiveWindow(fenetre);
    if (!QTest::qWaitForWindowActive(fenetre))
        return false;
    combo->setFocus(Qt::MouseFocusReason);
    if (!QTest::qWaitFor([&] { return combo->hasFocus(); }))
        return false;
    QWidget* cible = QApplication::focusWidget();
    QTest::keyClick(cible, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(cible, Qt::Key_Backspace);
    // QTest::keyClicks knows ASCII only: the other characters go as the key that writes them.
    for (const QChar c : texte) {
        if (c.unicode() < 0x80)
            QTest::keyClick(cible, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, cible,
                c.unicode() < 0x100 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QTest::keyClick(cible, fin);
    return fin != Qt::Key_Tab || !combo->hasFocus();
}
