#include "rozmowa_skrypt.h"

#include "rekord_pliku.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

RozmowaSkrypt& RozmowaSkrypt::oczekuj_pytania(const QString& tekst, const QString& tytul, bool tak)
{
    oczekiwane_.push_back({.rodzaj = Rodzaj::pytanie, .tekst = tekst, .tytul = tytul, .tak = tak});
    return *this;
}

RozmowaSkrypt& RozmowaSkrypt::oczekuj_pytania_o_zapis(const QString& tekst, Odpowiedz odpowiedz)
{
    oczekiwane_.push_back({.rodzaj = Rodzaj::pytanie_o_zapis, .tekst = tekst, .tytul = "ZENTA", .odpowiedz = odpowiedz});
    return *this;
}

RozmowaSkrypt& RozmowaSkrypt::oczekuj_komunikatu(const QString& tekst, const QString& tytul, Ikona ikona,
                                                 std::optional<QString> szczegoly)
{
    oczekiwane_.push_back(
        {.rodzaj = Rodzaj::komunikat, .tekst = tekst, .tytul = tytul, .ikona = ikona, .szczegoly = szczegoly});
    return *this;
}

RozmowaSkrypt& RozmowaSkrypt::oczekuj_surowego(int szablon, std::function<void(void*)> uzytkownik, bool ok,
                                               std::optional<int> wskazane)
{
    oczekiwane_.push_back({.rodzaj = Rodzaj::dialog, .tak = ok, .szablon = szablon,
                           .uzytkownik = std::move(uzytkownik), .wskazane = wskazane});
    return *this;
}

RozmowaSkrypt& RozmowaSkrypt::oczekuj_pliku(Wybor wybor, std::optional<QString> odpowiedz, const QString& filtr,
                                            const QString& wybrany_filtr)
{
    oczekiwane_.push_back({.rodzaj = Rodzaj::plik, .tekst = filtr, .wybor = wybor, .sciezka = odpowiedz,
                           .wybrany_filtr = wybrany_filtr});
    return *this;
}

std::optional<RozmowaSkrypt::Oczekiwanie> RozmowaSkrypt::nastepne(Rodzaj rodzaj, const char* opis)
{
    if (oczekiwane_.empty() || oczekiwane_.front().rodzaj != rodzaj) {
        ADD_FAILURE() << "unexpected call: " << opis;
        return std::nullopt;
    }
    Oczekiwanie o = oczekiwane_.front();
    oczekiwane_.pop_front();
    return o;
}

bool RozmowaSkrypt::pytanie(const QString& tekst, const QString& tytul, bool)
{
    const auto o = nastepne(Rodzaj::pytanie, qPrintable("question " + tekst));
    if (!o)
        return false;
    EXPECT_EQ(tekst.toStdString(), o->tekst.toStdString());
    EXPECT_EQ(tytul.toStdString(), o->tytul.toStdString());
    return o->tak;
}

_ROZMOWA_::Odpowiedz RozmowaSkrypt::pytanie_o_zapis(const QString& tekst, const QString& tytul)
{
    const auto o = nastepne(Rodzaj::pytanie_o_zapis, qPrintable("save question " + tekst));
    if (!o)
        return Odpowiedz::anuluj;
    EXPECT_EQ(tekst.toStdString(), o->tekst.toStdString());
    EXPECT_EQ(tytul.toStdString(), o->tytul.toStdString());
    return o->odpowiedz;
}

void RozmowaSkrypt::komunikat(const QString& tekst, const QString& tytul, Ikona ikona, const QString& szczegoly)
{
    const auto o = nastepne(Rodzaj::komunikat, qPrintable("message " + tekst));
    if (!o)
        return;
    EXPECT_EQ(tekst.toStdString(), o->tekst.toStdString());
    EXPECT_EQ(tytul.toStdString(), o->tytul.toStdString());
    EXPECT_EQ(ikona, o->ikona);
    if (o->szczegoly) {
        EXPECT_EQ(szczegoly.toStdString(), o->szczegoly->toStdString());
    }
}

bool RozmowaSkrypt::pokaz_surowy(int szablon, void* rekord, std::size_t rozmiar, int wskazane)
{
    const auto o = nastepne(Rodzaj::dialog, qPrintable(QString("dialog %1").arg(szablon)));
    if (!o)
        return false;
    EXPECT_EQ(szablon, o->szablon);
    if (o->szablon != szablon)
        return false;
    if (o->wskazane) {
        EXPECT_EQ(wskazane, *o->wskazane) << "the field the dialog " << szablon << " opens focused";
    }
    std::vector<char> przed(static_cast<char*>(rekord), static_cast<char*>(rekord) + rozmiar);
    if (o->uzytkownik)
        o->uzytkownik(rekord);
    if (!o->tak) // "Anuluj" leaves the record as it was
        std::memcpy(rekord, przed.data(), przed.size());
    return o->tak;
}

std::optional<QString> RozmowaSkrypt::wybierz_plik(Wybor wybor, RekordPliku& plik)
{
    const auto o = nastepne(Rodzaj::plik, "file dialog");
    if (!o)
        return std::nullopt;
    EXPECT_EQ(wybor, o->wybor);
    EXPECT_EQ(plik.filtr.toStdString(), o->tekst.toStdString());
    if (o->sciezka) {
        plik.nazwa = *o->sciezka;
        plik.wybrany_filtr = o->wybrany_filtr;
    }
    return o->sciezka;
}

// No test expects help: the real seam's help is tested on its own.
void RozmowaSkrypt::pokaz_pomoc(const QStringList& dokumenty)
{
    ADD_FAILURE() << "unexpected call: help " << dokumenty.join(", ").toStdString();
}
