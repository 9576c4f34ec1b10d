#include "pasek_menu.h"

#include <QKeyEvent>
#include <QMenu>
#include <QShortcutEvent>

bool PasekMenu::otworz_nazwany(const QKeySequence& klawisz)
{
    const QAction* biezaca = activeAction();
    const bool popup_otwarte = biezaca && biezaca->menu() && biezaca->menu()->isVisible();
    QAction *pierwsza = nullptr, *nastepna = nullptr;
    bool za_biezaca = false;
    for (QAction* a : actions()) {
        const bool nazwana = a->isVisible() && a->isEnabled() && QKeySequence::mnemonic(a->text()) == klawisz;
        if (nazwana && !pierwsza)
            pierwsza = a;
        if (nazwana && za_biezaca && !nastepna)
            nastepna = a;
        za_biezaca = za_biezaca || a == biezaca;
    }
    QAction* cel = popup_otwarte && nastepna ? nastepna : pierwsza;
    if (!cel)
        return false;
    otworz(cel);
    return true;
}

// As a shortcut opens a popup: its first item highlighted.
void PasekMenu::otworz(QAction* popup)
{
    setActiveAction(popup);
    if (QMenu* menu = popup->menu())
        for (QAction* pozycja : menu->actions())
            if (!pozycja->isSeparator() && pozycja->isEnabled()) {
                menu->setActiveAction(pozycja);
                break;
            }
}

// Qt would hand an ambiguous mnemonic to each of its popups in turn.
bool PasekMenu::event(QEvent* zdarzenie)
{
    if (zdarzenie->type() == QEvent::Shortcut && otworz_nazwany(static_cast<QShortcutEvent*>(zdarzenie)->key()))
        return true;
    return QMenuBar::event(zdarzenie);
}

// After Alt alone the first popup is highlighted, and Qt would take P for a
// move past it. An open popup passes here the letters none of its items take.
void PasekMenu::keyPressEvent(QKeyEvent* zdarzenie)
{
    const bool tylko_alt = !(zdarzenie->modifiers() & ~Qt::AltModifier);
    if (tylko_alt && zdarzenie->text().size() == 1 &&
        otworz_nazwany(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(zdarzenie->key()))))) {
        zdarzenie->accept();
        return;
    }
    QMenuBar::keyPressEvent(zdarzenie);
}
