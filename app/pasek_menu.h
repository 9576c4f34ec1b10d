#pragma once

#include <QMenuBar>

// The frame's menu bar. "&Plik" and "&Pomoc" share the mnemonic P: while no
// popup is open, Alt+P, and Alt followed by P, open the first popup that P
// names, every time; while one is open, P (or Alt+P) moves on to the next.
class PasekMenu : public QMenuBar {
public:
    explicit PasekMenu(QWidget* rodzic) : QMenuBar(rodzic) {}

protected:
    bool event(QEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;

private:
    // Opens the popup `klawisz` names: the first, or with a popup open the
    // next after it. False when it names none.
    bool otworz_nazwany(const QKeySequence& klawisz);
    void otworz(QAction* popup);
};
