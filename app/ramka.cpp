#include "ramka.h"

#include "menu.h"
#include "okno.h"
#include "pasek_menu.h"
#include "wlacznik.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QUndoStack>

namespace {

// An enabler acting on a menu item.
class WlacznikAkcji : public Wlacznik {
public:
    explicit WlacznikAkcji(QAction* akcja) : akcja_(akcja) {}
    void enable(bool wlaczony) override { akcja_->setEnabled(wlaczony); }
    void check(bool zaznaczony) override
    {
        akcja_->setCheckable(true);
        akcja_->setChecked(zaznaczony);
    }

private:
    QAction* akcja_;
};

} // namespace

_RAMKA_::_RAMKA_(const QString& tytul, _OKNO_* okno) : okno_(okno)
{
    setWindowTitle(tytul);
    setMenuBar(new PasekMenu(this));
    setCentralWidget(okno);
    zbuduj_menu();
    // Undo and redo run from keys too: their items must be current between menus.
    const auto wlacz_wszystkie = [this] {
        for (QAction* popup : menuBar()->actions())
            wlacz(popup->menu());
    };
    connect(&okno->historia(), &QUndoStack::canUndoChanged, this, wlacz_wszystkie);
    connect(&okno->historia(), &QUndoStack::canRedoChanged, this, wlacz_wszystkie);
    wlacz_wszystkie();
}

void _RAMKA_::wlacz(QMenu* popup)
{
    for (QAction* akcja : popup->actions()) {
        WlacznikAkcji w(akcja);
        okno_->wlacznik(akcja->data().toInt(), w);
    }
}

// Menu 1000 from its table; each popup runs its items' enablers before it shows.
void _RAMKA_::zbuduj_menu()
{
    QMenu* popup = nullptr;
    for (const PozycjaMenu& pozycja : menu_1000()) {
        if (!popup || popup->title() != QString::fromUtf8(pozycja.popup)) {
            popup = menuBar()->addMenu(QString::fromUtf8(pozycja.popup));
            connect(popup, &QMenu::aboutToShow, this, [this, popup] { wlacz(popup); });
        }
        if (!pozycja.tekst) {
            popup->addSeparator();
            continue;
        }
        QAction* akcja = popup->addAction(QString::fromUtf8(pozycja.tekst));
        akcja->setData(pozycja.id);
        if (pozycja.skroty) {
            akcja->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(pozycja.skroty)));
            akcja->setShortcutContext(Qt::ApplicationShortcut); // from the table windows as well
        }
        const int id = pozycja.id;
        connect(akcja, &QAction::triggered, okno_, [this, id] { okno_->polecenie(id); });
    }
}

void _RAMKA_::closeEvent(QCloseEvent* zdarzenie)
{
    if (okno_->CanClose())
        zdarzenie->accept();
    else
        zdarzenie->ignore();
}
