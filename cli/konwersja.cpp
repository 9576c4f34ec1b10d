#include "konwersja.h"

#include "kody.h"
#include "plik_wyjsciowy.h"
#include "tekst_modelu.h"
#include "wczytanie.h"

#include <QFile>

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
    OdczytModelu o = czytaj_model(QFile::encodeName(model).toStdString());
    if (o.stan.kod != sukces)
        return blad(o.stan.blad.c_str(), o.stan.kod);
    const Zwalnianie zwalnianie{o.tablice};
    const bool zapisano = wyjscie.isEmpty() ? zapisz_tekst_modelu(o.tablice, o.stan.naprawione, stdout)
                                            : zapisz_plik(wyjscie, [&](const Ujscie& ujscie) {
                                                  Strumien s(ujscie);
                                                  return zapisz_tekst_modelu(o.tablice, o.stan.naprawione, s);
                                              });
    return zapisano ? sukces : blad("Nie można zapisać do pliku", blad_zapisu);
}

int na_m1d(const QString& model, const QString& wyjscie)
{
    OdczytModelu o = czytaj_model(QFile::encodeName(model).toStdString());
    if (o.stan.kod != sukces)
        return blad(o.stan.blad.c_str(), o.stan.kod);
    const Zwalnianie zwalnianie{o.tablice};
    przywroc_numery(o.tablice, o.stan.naprawione);
    const bool zapisano = zapisz_plik(wyjscie, [&](const Ujscie& ujscie) { return zapisz_m1d(o.tablice, ujscie); });
    return zapisano ? sukces : blad("Nie można zapisać do pliku", blad_zapisu);
}
