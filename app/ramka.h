#pragma once

#include <QMainWindow>

class QMenu;
class _OKNO_;

// The frame around the main view: title, icon, menu 1000. Closing it, by any
// way, asks the view's exit question once.
class _RAMKA_ : public QMainWindow {
public:
    _RAMKA_(const QString& tytul, _OKNO_* okno);

    _OKNO_* okno() const { return okno_; }

protected:
    void closeEvent(QCloseEvent* zdarzenie) override;

private:
    void zbuduj_menu();
    // Runs the enablers of the popup's items.
    void wlacz(QMenu* popup);

    _OKNO_* okno_;
};
