#include "obciazenia.h"

#include "edycja.h"
#include "model.h"
#include "pola_rekordu.h"
#include "rozmowa.h"

#include <cmath>
#include <limits>

namespace {

// "+x" (or "x", "+") is +1, "-x" (or "-") is -1; anything else is no direction.
int kierunek(const char (&pole)[sizeof d_ciezar::kierunek])
{
    std::size_t k = 0;
    while (k < sizeof pole && pole[k] == ' ')
        ++k;
    if (k == sizeof pole || pole[k] == '\0')
        return 0;
    if (pole[k] == '-')
        return -1;
    return pole[k] == '+' || pole[k] == 'x' || pole[k] == 'X' ? 1 : 0;
}

} // namespace

std::optional<Zmiana> edytuj_obciazenie_ciagle(_ROZMOWA_& rozmowa, d_obc_ciagle& dane, int pierwszy,
                                               int ostatni)
{
    Zmiana z;
    for (int wskazane = pierwszy == ostatni ? d_obc_ciagle::id_q : pierwsze_pole;;) {
        const float q = obciazenie_ciagle(pierwszy);
        wpisz_numer(dane.pierwszy, pierwszy);
        wpisz_numer(dane.ostatni, ostatni);
        wpisz_liczbe(dane.q, "%1.1f", q);
        const d_obc_ciagle oferowany = dane;
        if (!rozmowa.dialog(dane, wskazane) || !z.pasuje())
            return przerwana(std::move(z));
        const int od = numer_pola(dane.pierwszy, oferowany.pierwszy, pierwszy);
        const int do_ = numer_pola(dane.ostatni, oferowany.ostatni, ostatni);
        const std::optional<float> v = wartosc_pola(dane.q, oferowany.q, q);
        if (od < 1 || od > il_elem) {
            wskazane = d_obc_ciagle::id_pierwszy;
        } else if (do_ < od || do_ > il_elem) {
            wskazane = d_obc_ciagle::id_ostatni;
        } else if (!v) {
            wskazane = d_obc_ciagle::id_q;
        } else {
            for (int i = od; i <= do_; ++i)
                z.ustaw(Wielkosc::qx, i, *v);
            return z;
        }
    }
}

std::optional<Zmiana> edytuj_ciezar_wlasny(_ROZMOWA_& rozmowa, d_ciezar& dane)
{
    Zmiana z;
    if (dane.kierunek[0] == '\0')
        wpisz(dane.kierunek, "+x");
    for (int wskazane = pierwsze_pole;;) {
        if (!rozmowa.dialog(dane, wskazane) || !z.pasuje())
            return przerwana(std::move(z));
        const std::optional<float> gamma = rzeczywista(dane.gamma);
        const int znak = kierunek(dane.kierunek);
        if (!gamma || !(*gamma > 0.0f)) {
            wskazane = d_ciezar::id_gamma;
            continue;
        }
        if (!znak) {
            wskazane = d_ciezar::id_kierunek;
            continue;
        }
        int za_duze = 0;
        for (int i = 1; i <= il_elem && !za_duze; ++i) {
            const double q = znak * (double(*gamma) * a[i]);
            if (std::abs(q) > std::numeric_limits<float>::max())
                za_duze = i;
            else
                z.ustaw(Wielkosc::qx, i, float(q));
        }
        if (!za_duze)
            return z;
        rozmowa.komunikat(QString(ciezar_poza_zakresem).arg(za_duze), "Ciężar własny",
                          _ROZMOWA_::Ikona::wykrzyknik);
        z = Zmiana();
        wskazane = d_ciezar::id_gamma;
    }
}

std::optional<Zmiana> edytuj_sprezyne(_ROZMOWA_& rozmowa, d_sprezyna& dane, int j, bool staly_wezel)
{
    Zmiana z;
    for (int wskazane = pierwsze_pole;;) {
        const float k = sztywnosc_sprezyny(j);
        wpisz_numer(dane.i, j);
        wpisz_liczbe(dane.k, "%1.1f", k);
        const d_sprezyna oferowany = dane;
        if (!rozmowa.dialog(dane, wskazane, staly_wezel) || !z.pasuje())
            return przerwana(std::move(z));
        const int wezel = staly_wezel ? j : numer_pola(dane.i, oferowany.i, j);
        const std::optional<float> v = wartosc_pola(dane.k, oferowany.k, k);
        if (wezel < 1 || wezel > il_wezl) {
            wskazane = d_sprezyna::id_i;
            continue;
        }
        j = wezel; // a refused stiffness comes back with the node typed
        if (!v || !(*v >= 0.0f)) {
            wskazane = d_sprezyna::id_k;
        } else if (*v == 0.0f && il_podpor == 0 && !sprezyna_poza_wezlem(wezel)) {
            rozmowa.komunikat(ostatnia_sprezyna, "Sprężyna", _ROZMOWA_::Ikona::wykrzyknik);
            wskazane = d_sprezyna::id_k;
        } else {
            z.ustaw(Wielkosc::ks, wezel, *v);
            return z;
        }
    }
}
