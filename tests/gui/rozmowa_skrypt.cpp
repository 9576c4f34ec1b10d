#include "rozmowa_skrypt.h"

#include "rekord_pliku.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

RozmowaSkrypt& RozmowaSkrypt::oczekuj_pytania(const QString& tekst, const QString& tytul, bool tak)
{
    Oczekiwanie o;
    o.rodzaj = Rodzaj::pytanie;
    o.tekst = tekst;
    o.tytul = tytul;
    o.tak = tak;
    oczekiwane_.push_back(o);
    return *this;
}

RozmowaSkrypt& RozmowaSkrypt::oczekuj_komunikatu(const QString& tekst, const QString& tytul, Ikona ikona,
                                                 std::optional<QString> szczegoly)
{
    Oczekiwanie o;
    o.rodzaj = Rodzaj::komunikat;
    o.tekst = tekst;
    o.tytul = tytul;
    o.ikona = ikona;
    o.szczegoly = std::move(szczegoly);
    oczekiwane_.push_back(o);
    return *this;
}

RozmowaSkrypt& RozmowaSkrypt::oczekuj_surowego(int szablon, std::function<void(void*)> uzytkownik, bool ok,
                                               std::optional<int> wskazane)
{
    Oczekiwanie o;
    o.rodzaj = Rodzaj::dialog;
    o.szablon = szablon;
    o.uzytkownik = std::move(uzytkownik);
    o.tak = ok;
    o.wskazane = wskazane;
    oczekiwane_.push_back(o);
    return *this;
}

RozmowaSkrypt& RozmowaSkrypt::oczekuj_pliku(Wybor wybor, std::optional<QString> odpowiedz, const QString& filtr)
{
    Oczekiwanie o;
    o.rodzaj = Rodzaj::plik;
    o.tekst = filtr;
    o.wybor = wybor;
    o.sciezka = std::move(odpowiedz);
    oczekiwane_.push_back(o);
    return *this;
}

RozmowaSkrypt& RozmowaSkrypt::oczekuj_dokumentu(const QString& nazwa)
{
    Oczekiwanie o;
    o.rodzaj = Rodzaj::dokument;
    o.tekst = nazwa;
    oczekiwane_.push_back(o);
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

bool RozmowaSkrypt::pytanie(const QString& tekst, const QString& tytul)
{
    const auto o = nastepne(Rodzaj::pytanie, qPrintable("question " + tekst));
    if (!o)
        return false;
    EXPECT_EQ(tekst.toStdString(), o->tekst.toStdString());
    EXPECT_EQ(tytul.toStdString(), o->tytul.toStdString());
    return o->tak;
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
    if (o->sciezka)
        plik.nazwa = *o->sciezka;
    return o->sciezka;
}

void RozmowaSkrypt::otworz_dokument(const QString& nazwa)
{
    const auto o = nastepne(Rodzaj::dokument, "document");
    if (o) {
        EXPECT_EQ(nazwa.toStdString(), o->tekst.toStdString());
    }
}
