#pragma once

#include "rozmowa.h"

#include <deque>
#include <optional>
#include <functional>
#include <string>

// A scripted user: the calls the program is expected to make through the
// seam, in order, with their answers. Texts and captions are checked exactly;
// an unexpected call fails the test, and so does an answer left unused
// (checked by the fixture at the end).
class RozmowaSkrypt : public _ROZMOWA_ {
public:
    RozmowaSkrypt& oczekuj_pytania(const QString& tekst, const QString& tytul, bool tak);
    RozmowaSkrypt& oczekuj_pytania_o_zapis(const QString& tekst, Odpowiedz odpowiedz);
    // `szczegoly`, when given, must be what the box carries behind its details button.
    RozmowaSkrypt& oczekuj_komunikatu(const QString& tekst, const QString& tytul, Ikona ikona,
                                      std::optional<QString> szczegoly = std::nullopt);
    // The record's dialog: the user sees the record, may type into it (the
    // callback), and closes with "OK" (true) or "Anuluj" (false; whatever the
    // callback wrote is undone). `wskazane`, when given, is the field the
    // dialog must open focused.
    template <typename Rekord>
    RozmowaSkrypt& oczekuj_dialogu(std::function<void(Rekord&)> uzytkownik, bool ok = true,
                                   std::optional<int> wskazane = std::nullopt)
    {
        return oczekuj_surowego(Rekord::szablon, [uzytkownik](void* r) { uzytkownik(*static_cast<Rekord*>(r)); },
                                ok, wskazane);
    }
    // The file dialog, its filter `filtr` (the model files' unless given);
    // the user chooses `wybrany_filtr` among them.
    RozmowaSkrypt& oczekuj_pliku(Wybor wybor, std::optional<QString> odpowiedz,
                                 const QString& filtr = "Pliki ZENTA (*.M1D);;Modele tekstowe (*.txt)",
                                 const QString& wybrany_filtr = {});

    // Answers not yet asked for.
    std::size_t pozostale() const { return oczekiwane_.size(); }

    using _ROZMOWA_::pytanie;
    bool pytanie(const QString& tekst, const QString& tytul, bool domyslnie_tak) override;
    Odpowiedz pytanie_o_zapis(const QString& tekst, const QString& tytul) override;
    using _ROZMOWA_::komunikat;
    void komunikat(const QString& tekst, const QString& tytul, Ikona ikona, const QString& szczegoly) override;
    bool dialog(d_dane_pods& dane, int wskazane) override { return pokaz(dane, wskazane); }
    bool dialog(d_dane_przek& danep, int wskazane) override { return pokaz(danep, wskazane); }
    bool dialog(d_wsp& danew, int wskazane) override { return pokaz(danew, wskazane); }
    bool dialog(d_wymusz& danewy, int wskazane) override { return pokaz(danewy, wskazane); }
    using _ROZMOWA_::dialog;
    bool dialog(d_sily& danes, int wskazane, bool) override { return pokaz(danes, wskazane); }
    bool dialog(d_obc_ciagle& dane, int wskazane) override { return pokaz(dane, wskazane); }
    bool dialog(d_ciezar& dane, int wskazane) override { return pokaz(dane, wskazane); }
    bool dialog(d_sprezyna& dane, int wskazane, bool) override { return pokaz(dane, wskazane); }
    bool dialog(d_podzial& dane, int wskazane) override { return pokaz(dane, wskazane); }
    bool dialog(d_zlaczenie& dane, int wskazane) override { return pokaz(dane, wskazane); }
    bool dialog(d_nowy_element& dane, int wskazane) override { return pokaz(dane, wskazane); }
    bool dialog(d_usuniecie_podpory& dane, int wskazane) override { return pokaz(dane, wskazane); }
    bool dialog(d_podzial_kazdego& dane, int wskazane) override { return pokaz(dane, wskazane); }
    std::optional<QString> wybierz_plik(Wybor wybor, RekordPliku& plik) override;
    void pokaz_pomoc(const QStringList& dokumenty) override;

private:
    enum class Rodzaj { pytanie, pytanie_o_zapis, komunikat, dialog, plik };
    struct Oczekiwanie {
        Rodzaj rodzaj;
        QString tekst{}, tytul{};
        Ikona ikona = Ikona::pytanie;
        bool tak = false;
        Odpowiedz odpowiedz = Odpowiedz::anuluj;
        int szablon = 0;
        std::function<void(void*)> uzytkownik{};
        std::optional<int> wskazane{};
        std::optional<QString> szczegoly{};
        Wybor wybor = Wybor::otworz;
        std::optional<QString> sciezka{};
        QString wybrany_filtr{};
    };
    RozmowaSkrypt& oczekuj_surowego(int szablon, std::function<void(void*)> uzytkownik, bool ok,
                                    std::optional<int> wskazane);
    template <typename Rekord>
    bool pokaz(Rekord& rekord, int wskazane)
    {
        return pokaz_surowy(Rekord::szablon, &rekord, sizeof rekord, wskazane);
    }
    bool pokaz_surowy(int szablon, void* rekord, std::size_t rozmiar, int wskazane);
    std::optional<Oczekiwanie> nastepne(Rodzaj rodzaj, const char* opis);

    std::deque<Oczekiwanie> oczekiwane_;
};
