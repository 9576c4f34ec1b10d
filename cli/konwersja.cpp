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

} // namespace

int na_tekst(const QString& model, const QString& wyjscie)
{
    OdczytModelu o = czytaj_model(bajty_nazwy(model));
    if (o.stan.kod != sukces)
        return blad(o.stan.blad, o.stan.kod);
    const Zwalnianie zwalnianie{o.tablice};
    if (wyjscie.isEmpty())
        return zapisz_tekst_modelu(o.tablice, o.stan.naprawione, stdout)
                   ? sukces
                   : blad("Nie można zapisać wyników", blad_zapisu);
    std::string powod;
    const bool zapisano = zapisz_plik(
        wyjscie,
        [&](const Ujscie& ujscie) {
            Strumien s(ujscie);
            return zapisz_tekst_modelu(o.tablice, o.stan.naprawione, s);
        },
        powod);
    return zapisano ? sukces : blad_pliku("Nie można zapisać do pliku", wyjscie, powod, blad_zapisu);
}

int na_m1d(const QString& model, const QString& wyjscie)
{
    OdczytModelu o = czytaj_model(bajty_nazwy(model));
    if (o.stan.kod != sukces)
        return blad(o.stan.blad, o.stan.kod);
    const Zwalnianie zwalnianie{o.tablice};
    przywroc_numery(o.tablice, o.stan.naprawione);
    std::string powod;
    const bool zapisano =
        zapisz_plik(wyjscie, [&](const Ujscie& ujscie) { return zapisz_m1d(o.tablice, ujscie); }, powod);
    return zapisano ? sukces : blad_pliku("Nie można zapisać do pliku", wyjscie, powod, blad_zapisu);
}
