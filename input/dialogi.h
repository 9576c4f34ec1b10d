#pragma once

#include "rekordy.h"

#include <QDialog>

#include <cstddef>
#include <span>

class QLineEdit;
struct Kontrolka;
struct Szablon;

// One field of a transfer record and the edit control that shows it.
struct PoleRekordu {
    int id;                   // control id in the template
    std::size_t przesuniecie; // offset in the record
    int szerokosc;            // bytes, the NUL included
};

// A modal dialog built from a template, exchanging its edit fields with a
// transfer record: the record's texts when it opens, the first editable field
// focused with its text selected; on "OK" (or Enter) the fields' texts, each
// cut to its width - 1, and the result 1; on "Anuluj" (or Escape) the record
// untouched and the result 2. Enter on a focused button presses that button.
class DialogZRekordem : public QDialog {
public:
    DialogZRekordem(QWidget* rodzic, int resId, void* rekord, std::span<const PoleRekordu> pola);

    // The edit control with this id (nullptr if none).
    QLineEdit* pole(int id) const;
    // Focuses field `id` (pierwsze_pole: the first editable one) with its text selected.
    void wskaz(int id);
    // Shows field `id` as the template's read-only fields are shown.
    void tylko_do_odczytu(int id);

protected:
    void keyPressEvent(QKeyEvent* zdarzenie) override;

private:
    void zbuduj(const Szablon& szablon);
    QWidget* utworz(const Kontrolka& kontrolka);
    void wypelnij_z_rekordu();
    void zatwierdz();

    char* rekord_;
    std::span<const PoleRekordu> pola_;
};

class _D_DANE_PODS : public DialogZRekordem {
public:
    _D_DANE_PODS(QWidget* parent, d_dane_pods* dane, int resId);
};

class _D_DANE_PRZ : public DialogZRekordem {
public:
    _D_DANE_PRZ(QWidget* parent, d_dane_przek* danep, int resId);
};

class _D_DANE_WSP : public DialogZRekordem {
public:
    _D_DANE_WSP(QWidget* parent, d_wsp* danew, int resId);
};

class _D_DANE_WYM : public DialogZRekordem {
public:
    _D_DANE_WYM(QWidget* parent, d_wymusz* danewy, int resId);
};

class _D_DANE_SIL : public DialogZRekordem {
public:
    _D_DANE_SIL(QWidget* parent, d_sily* danes, int resId);
};

// Shows the record's dialog modally, field `wskazane` focused; true for "OK".
bool uruchom_dialog(QWidget* rodzic, d_dane_pods& dane, int wskazane);
bool uruchom_dialog(QWidget* rodzic, d_dane_przek& danep, int wskazane);
bool uruchom_dialog(QWidget* rodzic, d_wsp& danew, int wskazane);
bool uruchom_dialog(QWidget* rodzic, d_wymusz& danewy, int wskazane);
// `staly_wezel`: the node number is shown, not typed (a node's own force).
bool uruchom_dialog(QWidget* rodzic, d_sily& danes, int wskazane, bool staly_wezel = false);
bool uruchom_dialog(QWidget* rodzic, d_obc_ciagle& dane, int wskazane);
bool uruchom_dialog(QWidget* rodzic, d_ciezar& dane, int wskazane);
// `staly_wezel`: the node number is shown, not typed (a spring of the data window).
bool uruchom_dialog(QWidget* rodzic, d_sprezyna& dane, int wskazane, bool staly_wezel = false);
bool uruchom_dialog(QWidget* rodzic, d_podzial& dane, int wskazane);
bool uruchom_dialog(QWidget* rodzic, d_zlaczenie& dane, int wskazane);
bool uruchom_dialog(QWidget* rodzic, d_nowy_element& dane, int wskazane);
bool uruchom_dialog(QWidget* rodzic, d_usuniecie_podpory& dane, int wskazane);
bool uruchom_dialog(QWidget* rodzic, d_podzial_kazdego& dane, int wskazane);
