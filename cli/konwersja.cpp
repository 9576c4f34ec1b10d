#include "konwersja.h"

#include "argumenty.h"
#include "kody.h"
#include "plik_wyjsciowy.h"
#include "tekst_modelu.h"
#include "wczytanie.h"

namespace {

struct Zwalnianie {
    Tablice& t;
    ~Zwalnianie() { zwolnij_tablice(t); }
};

// Back to what the file said, so that the text gives the same file again.
void przywroc_numery(Tablice& t, const std::vector<NaprawionaPodpora>& naprawione)
{
    for (const NaprawionaPodpora& n : naprawione)
        t.nu[n.podpora] = n.numer_w_pliku;
}

// To -o, or to standard output without it.
int zapisz_wynik(const QString& wyjscie, const std::function<bool(const Ujscie&)>& tresc)
{
    const QString cel = wyjscie.isEmpty() ? QString("-") : wyjscie;
    std::string powod;
    if (zapisz_plik(cel, tresc, powod))
        return sukces;
    return blad_pliku(cel == "-" ? "Nie można zapisać wyników" : "Nie można zapisać do pliku", cel, powod,
                      blad_zapisu);
}

} // namespace

int na_tekst(const QString& model, const QString& wyjscie)
{
    OdczytModelu o = czytaj_model(bajty_nazwy(model));
    if (o.stan.kod != sukces)
        return blad(o.stan.blad, o.stan.kod);
    const Zwalnianie zwalnianie{o.tablice};
    return zapisz_wynik(wyjscie, [&](const Ujscie& ujscie) {
        Strumien s(ujscie);
        return zapisz_tekst_modelu(o.tablice, o.stan.naprawione, s);
    });
}

int na_m1d(const QString& model, const QString& wyjscie)
{
    OdczytModelu o = czytaj_model(bajty_nazwy(model));
    if (o.stan.kod != sukces)
        return blad(o.stan.blad, o.stan.kod);
    const Zwalnianie zwalnianie{o.tablice};
    if (const std::string czego = czego_nie_zmiesci_m1d(o.tablice); !czego.empty())
        return blad_pliku("Nie można zapisać do pliku", wyjscie,
                          "plik M1D nie pomieści " + czego + " (model tekstowy je pomieści)", poza_m1d);
    przywroc_numery(o.tablice, o.stan.naprawione);
    return zapisz_wynik(wyjscie, [&](const Ujscie& ujscie) { return zapisz_m1d(o.tablice, ujscie); });
}
