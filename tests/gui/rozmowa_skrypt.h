#pragma once

#include "rozmowa.h"

#include <deque>
#include <functional>
#include <string>

// A scripted user: the calls the program is expected to make through the
// seam, in order, with their answers. Texts and captions are checked exactly;
// an unexpected call fails the test, and so does an answer left unused
// (checked by the fixture at the end).
class RozmowaSkrypt : public _ROZMOWA_ {
public:
    RozmowaSkrypt& oczekuj_pytania(const QString& tekst, const QString& tytul, bool tak);
    RozmowaSkrypt& oczekuj_komunikatu(const QString& tekst, const QString& tytul, Ikona ikona);
    // The user sees the record, may type into it (the callback), and closes
    // with "OK" (true) or "Anuluj" (false; whatever the callback wrote is undone).
    template <typename Rekord>
    RozmowaSkrypt& oczekuj_dialogu(int szablon, std::function<void(Rekord&)> uzytkownik, bool ok = true)
    {
        return dialog_surowy(szablon, [uzytkownik](void* r) { uzytkownik(*static_cast<Rekord*>(r)); }, ok,
                             sizeof(Rekord));
    }
    RozmowaSkrypt& oczekuj_pliku(Wybor wybor, std::optional<QString> odpowiedz);
    RozmowaSkrypt& oczekuj_dokumentu(const QString& nazwa);

    // Answers not yet asked for.
    std::size_t pozostale() const { return oczekiwane_.size(); }

    bool pytanie(const QString& tekst, const QString& tytul) override;
    void komunikat(const QString& tekst, const QString& tytul, Ikona ikona) override;
    bool dialog(int szablon, void* rekord) override;
    std::optional<QString> wybierz_plik(Wybor wybor, RekordPliku& plik) override;
    void otworz_dokument(const QString& nazwa) override;

private:
    enum class Rodzaj { pytanie, komunikat, dialog, plik, dokument };
    struct Oczekiwanie {
        Rodzaj rodzaj;
        QString tekst, tytul;
        Ikona ikona = Ikona::pytanie;
        bool tak = false;
        int szablon = 0;
        std::function<void(void*)> uzytkownik;
        std::size_t rozmiar = 0;
        Wybor wybor = Wybor::otworz;
        std::optional<QString> sciezka;
    };
    RozmowaSkrypt& dialog_surowy(int szablon, std::function<void(void*)> uzytkownik, bool ok, std::size_t rozmiar);
    std::optional<Oczekiwanie> nastepne(Rodzaj rodzaj, const char* opis);

    std::deque<Oczekiwanie> oczekiwane_;
};
