#pragma once

#include "dane.h"
#include "dymek.h"
#include "kolory.h"
#include "kreator.h"
#include "m1d.h"
#include "model.h"
#include "obserwator_pliku.h"
#include "przebudowa.h"
#include "okno_wykresow.h"
#include "rekord_pliku.h"
#include "rekordy.h"
#include "rozmowa.h"
#include "wyniki.h"
#include "zmiana.h"

#include <QPointer>
#include <QUndoStack>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <span>

class QMenu;

class _WSP_;
class Wlacznik;

// The main view: fills the frame, holds the view settings, the read-out
// window, the table windows and the dialog records, and receives every
// command and pointer event.
class _OKNO_ : public QWidget {
public:
    explicit _OKNO_(std::shared_ptr<_ROZMOWA_> rozmowa = nullptr);
    ~_OKNO_() override;

    // The exit question; true when the program may end.
    bool CanClose();
    // Runs the handler of command `id` (menu 1000, 1030, 1110); false when none is bound.
    bool polecenie(int id);
    // Runs the enabler of command `id` on `w`; false when the command has none.
    bool wlacznik(int id, Wlacznik& w);

    // "&Plik"
    void Cm_Nowy();
    void Cm_Otworz();
    // What "&Otwórz" does once a file is chosen (also for a file named at start-up).
    void wczytaj_model(const QString& sciezka);
    void Cm_Zapisz();
    void Cm_Rysunek();
    void Cm_Raport();
    void Cm_Koniec();
    // "&Edycja"
    void Cm_Cofnij();
    void Ce_Cofnij(Wlacznik& w);
    void Cm_Ponow();
    void Ce_Ponow(Wlacznik& w);
    void Cm_ObciazenieCiagle();
    void Cm_CiezarWlasny();
    void Cm_Sprezyna();
    void Cm_PodzielElement();
    void Cm_Zlacz();
    void Cm_DodajNaKoncu();
    void Cm_DodajNaPoczatku();
    void Cm_UsunKoncowy();
    void Cm_UsunPoczatkowy();
    void Cm_DodajPodpore();
    void Cm_UsunPodpore();
    void Cm_PodzielKazdy();
    // "&Widok"
    void Cm_ODSWIEZ();
    void Cm_Napr();
    void Ce_Napr(Wlacznik& w);
    void Cm_Przem();
    void Ce_Przem(Wlacznik& w);
    void Cm_Wyniki();
    void Cm_Dane();
    void Cm_Wykresy();
    // "&Pomoc"
    void Cm_POMOC();
    void Cm_About();

    // Pointer and window events.
    void EvMouseMove(QPoint ww);
    void EvLButtonDown(QPoint ww);
    void EvSize();

    // The bar's menu at a point of the view: changes of the element and the
    // node nearest the point (none off the bar or without a model).
    std::unique_ptr<QMenu> menu_preta(QPoint ww);
    // The same for a row of the data window, and that menu shown at `gdzie`.
    std::unique_ptr<QMenu> menu_wiersza(tabele::WierszDanych wiersz);
    void menu_wiersza(tabele::WierszDanych wiersz, QPoint gdzie);

    // Edits the section of element n (1..il_elem) and analyses again.
    void zmien_p(int n);
    // Edits the item of a data-window row and analyses again.
    void edytuj_wiersz(tabele::WierszDanych wiersz);
    // The edits of the held model since it was opened or typed in.
    QUndoStack& historia() { return historia_; }
    // The file the held model came from, followed on disk ("" for none).
    QString plik_obserwowany() const { return obserwator_.sciezka(); }
    // What is wrong with the followed file ("" while it reads well): shown in
    // the frame's title, never in a box.
    QString stan_pliku() const { return stan_pliku_; }

    // Releases the model (with its warnings when there is none or it is damaged).
    void Zwol_pam();
    // The analysis, with the progress window during the solution.
    void Macierze();
    void Oblicz();
    // Fills knapr.
    void Pasek_kol();

    // The read-out window, the table windows last opened (for tests and the shell).
    _WSP_* okno_wsp() const { return wsp; }
    _DANE_* okno_dane() const { return id ? dd : nullptr; }
    _WYNIKI_* okno_wyniki() const { return iw ? oo : nullptr; }
    OknoWykresow* okno_wykresow() const { return wykresy_; }
    // The stress text of the last pointer move ("napr=..." or "brak danych").
    QString napis_naprezenia() const { return napis_naprezenia_; }
    const Dymek* dymek() const { return dymek_.get(); }
    int przem() const { return p_przem; }

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    void mouseMoveEvent(QMouseEvent* zdarzenie) override;
    void mousePressEvent(QMouseEvent* zdarzenie) override;
    void resizeEvent(QResizeEvent* zdarzenie) override;
    void leaveEvent(QEvent* zdarzenie) override;
    void contextMenuEvent(QContextMenuEvent* zdarzenie) override;

private:
    void Paint();
    RekordyDialogow rekordy() { return {dane, danep, danew, danewy, danes}; }
    // Releases the model held (if any) and makes `t` current, analysed, with
    // a new history, then warns of results that cannot be trusted; when the
    // release is refused, `t` is dropped and the old model stays. The table
    // windows close, or stay and show `t` (a file read again).
    enum class Okna { zamknij, zostaw };
    // True when `t` is current.
    bool zastap_model(Tablice t, std::span<const NaprawionaPodpora> naprawione = {}, Okna okna = Okna::zamknij);
    // Zwol_pam, with the table windows left open or closed.
    void zwolnij(Okna okna);
    // Analyses the model held again.
    void przelicz();
    // After every analysis: all table windows show it, and results that are
    // not numbers are said to be so (true then).
    bool po_analizie();
    void ostrzez_o_usterkach(std::span<const NaprawionaPodpora> naprawione);
    void zamknij_tabele();
    // Makes the edit one step of the history (its first doing included).
    void wprowadz(Zmiana zmiana);
    // The change asked for by `pytanie` as one step, when the model it was
    // asked on is still held.
    void przebuduj(const std::function<std::optional<Przeksztalcenie>()>& pytanie);
    std::unique_ptr<QMenu> menu_zmian(int element, int wezel);
    // Runs the menu while the model may not be replaced (its loop lets the
    // file watcher's timers through).
    void pokaz_menu(std::unique_ptr<QMenu> menu, QPoint gdzie);
    // After an edit, its undoing or redoing: analysed, every window current.
    void po_edycji();
    bool zapisz_model(const QString& sciezka);
    bool zapisz_zamiast_m1d(const QString& sciezka, const std::string& brak);
    void przyjmij_plik(const QString& sciezka, std::string tekst);
    // Before unsaved edits would be dropped: asks whether to save them; true
    // when the caller may go on (saved, or the user chose to drop them).
    bool mozna_porzucic_zmiany();
    bool zapisz_zmiany();
    bool ma_niezapisane_zmiany() const { return !Pusty && !historia_.isClean(); }
    void plik_zmieniony();
    void plik_zniknal();
    void wczytaj_ponownie();
    void pokaz_stan_pliku(const QString& stan);
    void blad_odczytu(const WynikOdczytu& odczyt, const QString& sciezka);
    void blad_dyskowy(const char* tekst, const QString& sciezka, const std::string& powod);

    // While a handler runs (its dialogs' loops let the file watcher's timers
    // through), the model is not replaced under it: a change of the followed
    // file waits until the handler is over.
    class Zajety {
    public:
        explicit Zajety(_OKNO_& okno) : okno_(okno) { ++okno_.zajety_; }
        ~Zajety();
        Zajety(const Zajety&) = delete;
        Zajety& operator=(const Zajety&) = delete;

    private:
        _OKNO_& okno_;
    };

    // Fields in their fixed order.
    bool iw = false;
    bool id = false;
    QPointer<_DANE_> dd;   // null once its window is gone
    QPointer<_WYNIKI_> oo;
    _WSP_* wsp = nullptr;
    TablicaKolorow knapr{};
    bool p_napr = false;
    int p_przem = 1;
    std::unique_ptr<RekordPliku> _plik_;
    d_dane_pods dane{};
    d_dane_przek danep{};
    d_sily danes{};
    d_wymusz danewy{};
    d_wsp danew{};
    d_obc_ciagle daneq{};
    d_ciezar daneg{};
    d_sprezyna danek{};
    d_podzial danepd{};
    d_zlaczenie danezl{};
    d_nowy_element danene{};
    d_usuniecie_podpory daneup{};
    d_podzial_kazdego danepk{};

    std::shared_ptr<_ROZMOWA_> rozmowa_;
    QString napis_naprezenia_;
    std::unique_ptr<Dymek> dymek_ = std::make_unique<Dymek>();
    QUndoStack historia_;
    QPointer<OknoWykresow> wykresy_;
    RekordPliku plik_rysunku_{"Rysunek PNG (*.png);;Rysunek SVG (*.svg)", "png", {}, {}, {}};
    RekordPliku plik_raportu_{"Raport HTML (*.html)", "html", {}, {}, {}};
    ObserwatorPliku obserwator_{[this] { plik_zmieniony(); }, [this] { plik_zniknal(); }};
    bool czytam_plik_ = false, jeszcze_raz_ = false;
    int zajety_ = 0;
    bool zmiana_pliku_czeka_ = false;
    QString plik_modelu_;        // the file the model came from or was last saved to; "" for none
    std::string tekst_zrodlowy_; // a text model's text as read, written back in its own layout
    QString stan_pliku_;
};
