#include "tekst_modelu.h"

#include "liczba_dziesietna.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

enum class Sekcja { elementy, obciazenia, podpory, x, a, e, nu, u, dt, si, alp, qx, ks };
enum class Dlugosc { liczba, wezly, elementy, podpory, pary };

struct OpisSekcji {
    Sekcja sekcja;
    std::string_view nazwa;
    std::string_view bez_polskich_liter;
    Dlugosc dlugosc;
    const char* komentarz;
};

// In the order of an M1D file; then what M1D files cannot hold, which a text
// may leave out (none of it).
constexpr std::array<OpisSekcji, 13> sekcje{{
    {Sekcja::elementy, "elementy", "elementy", Dlugosc::liczba, nullptr},
    {Sekcja::obciazenia, "obciążenia", "obciazenia", Dlugosc::liczba, nullptr},
    {Sekcja::podpory, "podpory", "podpory", Dlugosc::liczba, nullptr},
    {Sekcja::x, "współrzędne", "wspolrzedne", Dlugosc::wezly, "współrzędna x każdego węzła"},
    {Sekcja::a, "pola", "pola", Dlugosc::elementy, "pole przekroju A każdego elementu"},
    {Sekcja::e, "moduły", "moduly", Dlugosc::elementy, "moduł Younga E każdego elementu"},
    {Sekcja::nu, "węzły_podpór", "wezly_podpor", Dlugosc::podpory, "węzeł każdej podpory"},
    {Sekcja::u, "wymuszenia", "wymuszenia", Dlugosc::podpory, "przemieszczenie wymuszone każdej podpory"},
    {Sekcja::dt, "temperatury", "temperatury", Dlugosc::elementy, "przyrost temperatury ΔT każdego elementu"},
    {Sekcja::si, "siły", "sily", Dlugosc::wezly, "siła skupiona w każdym węźle"},
    {Sekcja::alp, "rozszerzalności", "rozszerzalnosci", Dlugosc::elementy,
     "współczynnik rozszerzalności cieplnej α każdego elementu"},
    {Sekcja::qx, "obciążenia_ciągłe", "obciazenia_ciagle", Dlugosc::elementy,
     "obciążenie ciągłe q każdego elementu (siła na jednostkę długości, dodatnie wzdłuż x)"},
    {Sekcja::ks, "sprężyny", "sprezyny", Dlugosc::pary, "sprężyny: węzeł i sztywność k każdej"},
}};

bool nieobowiazkowa(Sekcja s) { return s == Sekcja::qx || s == Sekcja::ks; }

// The nodes that have a spring, in order.
std::vector<int> wezly_ze_sprezyna(const Tablice& t)
{
    std::vector<int> w;
    for (int j = 1; t.ks && j <= t.il_wezl; ++j)
        if (t.ks[j] != 0.0f)
            w.push_back(j);
    return w;
}

// Whether a text of the model has the section: what M1D files hold always,
// the rest only where something is not zero.
bool sekcja_potrzebna(const OpisSekcji& o, const Tablice& t)
{
    switch (o.sekcja) {
    case Sekcja::qx: return t.qx && std::any_of(t.qx + 1, t.qx + t.il_elem + 1, [](float q) { return q != 0.0f; });
    case Sekcja::ks: return t.ks && std::any_of(t.ks + 1, t.ks + t.il_wezl + 1, [](float k) { return k != 0.0f; });
    default: return true;
    }
}

constexpr std::uint32_t nan_zwykly = 0x7fc00000u;
constexpr std::uint32_t nan_ujemny = 0xffc00000u;

// ---- writing ----

class Pisarz {
public:
    explicit Pisarz(Strumien& s) : s_(s) {}
    void tekst(std::string_view t) { s_ << t; }
    void calkowita(int v) { s_ << v; }
    void rzeczywista(float v)
    {
        char b[32];
        if (std::isnan(v)) {
            const auto bity = std::bit_cast<std::uint32_t>(v);
            if (bity == nan_zwykly || bity == nan_ujemny) {
                s_ << (bity == nan_zwykly ? "nan" : "-nan");
                return;
            }
            s_ << "nan(0x";
            for (int k = 7; k >= 0; --k)
                s_ << "0123456789ABCDEF"[bity >> (4 * k) & 0xf];
            s_ << ')';
            return;
        }
        s_ << std::string_view(b, std::size_t(std::to_chars(b, b + sizeof b, v).ptr - b));
    }
    // Ten to a line; `na_koncu`: a line end after the last one too.
    template <typename T>
    void wartosci(const T* v, int ile, bool na_koncu = true)
    {
        for (int k = 1; k <= ile; ++k) {
            if constexpr (std::is_same_v<T, int>)
                calkowita(v[k]);
            else
                rzeczywista(v[k]);
            if (k < ile || na_koncu)
                s_ << (k % 10 == 0 || k == ile ? '\n' : ' ');
        }
    }

private:
    Strumien& s_;
};

void zapisz_wartosci_sekcji(Pisarz& p, const OpisSekcji& o, const Tablice& t, bool na_koncu = true)
{
    switch (o.sekcja) {
    case Sekcja::x: p.wartosci(t.x, t.il_wezl, na_koncu); break;
    case Sekcja::a: p.wartosci(t.a, t.il_elem, na_koncu); break;
    case Sekcja::e: p.wartosci(t.e, t.il_elem, na_koncu); break;
    case Sekcja::nu: p.wartosci(t.nu, t.il_podpor, na_koncu); break;
    case Sekcja::u: p.wartosci(t.u, t.il_podpor, na_koncu); break;
    case Sekcja::dt: p.wartosci(t.dt, t.il_elem, na_koncu); break;
    case Sekcja::si: p.wartosci(t.si, t.il_wezl, na_koncu); break;
    case Sekcja::alp: p.wartosci(t.alp, t.il_elem, na_koncu); break;
    case Sekcja::qx:
        if (t.qx)
            p.wartosci(t.qx, t.il_elem, na_koncu);
        break;
    case Sekcja::ks: {
        const std::vector<int> wezly = wezly_ze_sprezyna(t);
        for (std::size_t k = 0; k < wezly.size(); ++k) {
            p.calkowita(wezly[k]);
            p.tekst(" ");
            p.rzeczywista(t.ks[wezly[k]]);
            if (k + 1 < wezly.size() || na_koncu)
                p.tekst("\n");
        }
        break;
    }
    case Sekcja::elementy: p.calkowita(t.il_elem); break;
    case Sekcja::obciazenia: p.calkowita(t.il_obciaz); break;
    case Sekcja::podpory: p.calkowita(t.il_podpor); break;
    }
}

void zapisz_sekcje(Pisarz& p, const OpisSekcji& o, const Tablice& t)
{
    p.tekst("\n# ");
    p.tekst(o.komentarz);
    p.tekst("\n");
    p.tekst(o.nazwa);
    p.tekst("\n");
    zapisz_wartosci_sekcji(p, o, t);
}

// ---- reading ----

// A token as a message quotes it: cut to a sensible length (never inside a
// character) and with control bytes made visible.
std::string cudzyslow(std::string_view s)
{
    constexpr std::size_t najwiecej = 40;
    std::string w = "„";
    std::size_t k = 0;
    for (; k < s.size() && k < najwiecej; ++k) {
        const auto c = static_cast<unsigned char>(s[k]);
        if (c < 0x20 || c == 0x7f) {
            const char* const szesnastkowe = "0123456789ABCDEF";
            w += "\\x";
            w += szesnastkowe[c >> 4];
            w += szesnastkowe[c & 0xf];
        } else {
            w += char(c);
        }
    }
    while (k < s.size() && (static_cast<unsigned char>(s[k]) & 0xC0) == 0x80) // the rest of a character
        w += s[k++];
    if (k < s.size())
        w += "…";
    return w + "”";
}

std::string w_wierszu(int wiersz, const std::string& tresc)
{
    return "wiersz " + std::to_string(wiersz) + ": " + tresc;
}

bool moze_byc_nazwa(char c) { return !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.'; }

const OpisSekcji* sekcja_o_nazwie(std::string_view slowo)
{
    if (!moze_byc_nazwa(slowo[0]))
        return nullptr;
    for (const OpisSekcji& o : sekcje)
        if (slowo == o.nazwa || slowo == o.bez_polskich_liter)
            return &o;
    return nullptr;
}

// Whether value k (1-based) of a section is an int: counts, support nodes,
// and the node of each spring.
bool jest_calkowita(Sekcja s, std::int64_t k)
{
    return s == Sekcja::elementy || s == Sekcja::obciazenia || s == Sekcja::podpory || s == Sekcja::nu ||
           (s == Sekcja::ks && k % 2 == 1);
}

std::string_view bez_plusa(std::string_view s) { return s.size() > 1 && s[0] == '+' ? s.substr(1) : s; }

// Empty when `s` is an int; otherwise why it is not.
std::string czytaj_calkowita(std::string_view slowo, std::string_view sekcja, int& v)
{
    const std::string_view s = bez_plusa(slowo);
    const auto [koniec, blad] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (blad == std::errc::result_out_of_range && koniec == s.data() + s.size())
        return "liczba " + cudzyslow(slowo) + " jest za duża (liczby całkowite mieszczą się w ±2147483647)";
    if (blad == std::errc() && koniec == s.data() + s.size())
        return {};
    return "w sekcji " + cudzyslow(sekcja) + " oczekiwano liczby całkowitej, a jest " + cudzyslow(slowo);
}

// nan(0xXXXXXXXX): a NaN given by its bit image.
std::optional<float> nan_z_bitow(std::string_view s)
{
    if (!s.starts_with("nan(0x") || !s.ends_with(")") || s.size() != 15)
        return std::nullopt;
    std::uint32_t bity = 0;
    const char* p = s.data() + 6;
    if (std::from_chars(p, p + 8, bity, 16).ptr != p + 8)
        return std::nullopt;
    const float v = std::bit_cast<float>(bity);
    return std::isnan(v) ? std::optional<float>(v) : std::nullopt;
}

// The power of ten of the first significant digit of a decimal number
// (from_chars's form, a sign allowed), however many digits or how large an
// exponent it is written with.
std::int64_t rzad_wielkosci(std::string_view s)
{
    const std::string_view mantysa = s.substr(0, s.find_first_of("eE"));
    const auto kropka = std::int64_t(std::min(mantysa.find('.'), mantysa.size()));
    const auto pierwsza = std::int64_t(std::min(mantysa.find_first_of("123456789"), mantysa.size()));
    std::int64_t rzad = pierwsza < kropka ? kropka - pierwsza - 1 : kropka - pierwsza;
    if (mantysa.size() < s.size()) {
        std::string_view w = s.substr(mantysa.size() + 1);
        if (w.starts_with('+'))
            w.remove_prefix(1);
        constexpr std::int64_t bardzo_duzo = std::int64_t{1} << 40;
        std::int64_t wykladnik = 0;
        if (std::from_chars(w.data(), w.data() + w.size(), wykladnik).ec != std::errc())
            wykladnik = w.starts_with('-') ? -bardzo_duzo : bardzo_duzo;
        rzad += std::clamp(wykladnik, -bardzo_duzo, bardzo_duzo);
    }
    return rzad;
}

// from_chars finds a number out of float's range both when its magnitude is
// too large and when it rounds to zero; only the second is a float, the zero
// with the number's sign.
std::string poza_zakresem(std::string_view slowo, std::string_view s, float& v)
{
    if (rzad_wielkosci(s) < 0) {
        v = s.starts_with('-') ? -0.0f : 0.0f;
        return {};
    }
    return "liczba " + cudzyslow(slowo) + " wykracza poza zakres liczb pojedynczej precyzji";
}

// Empty when `slowo` is a real; otherwise why it is not.
std::string czytaj_rzeczywista(std::string_view slowo, float& v)
{
    if (slowo == "nan" || slowo == "-nan") {
        v = std::bit_cast<float>(slowo[0] == '-' ? nan_ujemny : nan_zwykly);
        return {};
    }
    if (slowo.starts_with("nan(")) {
        if (const auto n = nan_z_bitow(slowo)) {
            v = *n;
            return {};
        }
        return cudzyslow(slowo) + " nie jest wzorcem NaN (nan(0x) i osiem cyfr szesnastkowych)";
    }
    const std::string_view s = bez_plusa(slowo);
    if (float_z_dziesietnej(s, v))
        return {};
    const auto [koniec, blad] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (blad == std::errc::result_out_of_range && koniec == s.data() + s.size())
        return poza_zakresem(slowo, s, v);
    if (blad == std::errc() && koniec == s.data() + s.size())
        return {};
    if (slowo.find(',') != std::string_view::npos)
        return cudzyslow(slowo) + " nie jest liczbą (część dziesiętną oddziela kropka, nie przecinek)";
    return cudzyslow(slowo) + " nie jest ani liczbą, ani nazwą sekcji";
}

// The values of one section: straight into the model's array once its length
// is known, otherwise kept aside until the end of the text.
struct Zebrana {
    int wiersz = 0;         // of the keyword; 0 while the section has not appeared
    std::int64_t ile = 0;   // values read
    float* cel = nullptr;   // [1..pojemnosc] in the model's arrays, when known
    int* cel_calkowity = nullptr;
    std::int64_t pojemnosc = 0;
    std::vector<float> rzeczywiste;
    std::vector<int> calkowite;
    std::vector<int> wiersze; // of each node number, for the message about one outside the bar

    template <typename T>
    void dodaj(T v, T* tablica, std::vector<T>& zapas)
    {
        if (tablica) {
            if (ile < pojemnosc)
                tablica[ile + 1] = v;
        } else {
            zapas.push_back(v);
        }
        ++ile;
    }
};

// The words of a text as it comes, in pieces: words between blanks, '#' to
// the end of the line a comment; lines end with LF, CR LF or CR alone. Each
// word goes to `obsluga.slowo(word, line, position)`, the position counted
// in bytes from the start of the text; a non-empty answer stops the reading.
template <typename Obsluga>
class Slowa {
public:
    explicit Slowa(Obsluga& obsluga) : obsluga_(obsluga) {}

    std::string dodaj(std::string_view kawalek);
    std::string zakoncz() { return dokoncz_slowo(); }

private:
    // The word a piece cut, now whole; nothing to do most of the time.
    std::string dokoncz_slowo()
    {
        if (zaczete_.empty())
            return {};
        std::string b = obsluga_.slowo(zaczete_, wiersz_zaczetego_, pozycja_zaczetego_);
        zaczete_.clear();
        return b;
    }

    Obsluga& obsluga_;
    std::uint64_t pozycja_ = 0; // of the piece's first byte
    int wiersz_ = 1;
    bool po_cr_ = false;
    bool w_komentarzu_ = false;
    std::string zaczete_; // a word that the piece cut
    int wiersz_zaczetego_ = 0;
    std::uint64_t pozycja_zaczetego_ = 0;
};

enum class Znak : unsigned char { slowa, bialy, konca_wiersza, komentarza };

// What each byte is to the splitting into words, looked up rather than searched for.
constexpr auto znaki = [] {
    std::array<Znak, 256> z{};
    for (const char c : {' ', '\t', '\v', '\f'})
        z[static_cast<unsigned char>(c)] = Znak::bialy;
    z['\n'] = z['\r'] = Znak::konca_wiersza;
    z['#'] = Znak::komentarza;
    return z;
}();

Znak znak(char c) { return znaki[static_cast<unsigned char>(c)]; }

template <typename Obsluga>
std::string Slowa<Obsluga>::dodaj(std::string_view k)
{
    const std::uint64_t poczatek = pozycja_;
    pozycja_ += k.size();
    std::size_t i = poczatek == 0 && k.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (i < k.size()) {
        const char c = k[i];
        const Znak z = znak(c);
        if (z == Znak::konca_wiersza) {
            if (std::string b = dokoncz_slowo(); !b.empty())
                return b;
            if (!(c == '\n' && po_cr_))
                ++wiersz_;
            po_cr_ = c == '\r';
            w_komentarzu_ = false;
            ++i;
            continue;
        }
        po_cr_ = false;
        if (w_komentarzu_) {
            while (i < k.size() && znak(k[i]) != Znak::konca_wiersza)
                ++i;
            continue;
        }
        if (z != Znak::slowa) {
            if (std::string b = dokoncz_slowo(); !b.empty())
                return b;
            w_komentarzu_ = z == Znak::komentarza;
            ++i;
            continue;
        }
        std::size_t koniec = i + 1;
        while (koniec < k.size() && znak(k[koniec]) == Znak::slowa)
            ++koniec;
        if (zaczete_.empty()) {
            wiersz_zaczetego_ = wiersz_;
            pozycja_zaczetego_ = poczatek + i;
        }
        if (koniec == k.size()) { // the word may go on in the next piece
            zaczete_.append(k.substr(i));
            return {};
        }
        if (zaczete_.empty()) {
            if (std::string b = obsluga_.slowo(k.substr(i, koniec - i), wiersz_, poczatek + i); !b.empty())
                return b;
        } else {
            zaczete_.append(k.substr(i, koniec - i));
        }
        i = koniec;
    }
    return {};
}

// A text model read word by word into fresh arrays.
class Czytelnik {
public:
    explicit Czytelnik(std::uint64_t rozmiar) : rozmiar_(rozmiar) {}
    ~Czytelnik() { zwolnij_tablice(t_); }

    // Empty when all went well so far.
    std::string dodaj(std::string_view kawalek) { return slowa_.dodaj(kawalek); }
    std::string zakoncz();
    // The model read (on success), owned by the caller from now on.
    Tablice oddaj()
    {
        Tablice t = t_;
        t_ = Tablice{};
        return t;
    }

    std::string slowo(std::string_view s, int wiersz, std::uint64_t pozycja);

private:
    std::string wartosc(std::string_view s, int wiersz);
    Zebrana& sekcja(Sekcja s) { return zebrane_[std::size_t(s)]; }
    std::optional<int> licznik(Sekcja s) const;
    std::string przydziel_gdy_mozna();
    std::string przydziel(int elementy, int podpory, int obciazenia);
    std::string podlacz(Sekcja s);
    std::string sprezyny();
    std::string sprawdz();
    std::string zbuduj();

public:
    bool brak_pamieci = false;

private:
    std::uint64_t rozmiar_;
    Slowa<Czytelnik> slowa_{*this};
    std::array<Zebrana, sekcje.size()> zebrane_;
    const OpisSekcji* biezaca_ = nullptr;
    Tablice t_;
};

std::string Czytelnik::slowo(std::string_view s, int wiersz, std::uint64_t)
{
    // The common case first, nothing else asked: a plain number in a section
    // of reals whose array exists (a keyword is never a number).
    if (float v; biezaca_ && sekcja(biezaca_->sekcja).cel && float_z_dziesietnej(s, v)) {
        Zebrana& z = sekcja(biezaca_->sekcja);
        z.dodaj(v, z.cel, z.rzeczywiste);
        return {};
    }
    if (const OpisSekcji* o = sekcja_o_nazwie(s)) {
        Zebrana& z = sekcja(o->sekcja);
        if (z.wiersz)
            return w_wierszu(wiersz, "sekcja " + cudzyslow(o->nazwa) + " powtórzona (pierwszy raz w wierszu " +
                                         std::to_string(z.wiersz) + ")");
        z.wiersz = wiersz;
        biezaca_ = o;
        if (o->dlugosc != Dlugosc::liczba) {
            if (std::string b = przydziel_gdy_mozna(); !b.empty())
                return b;
            if (std::string b = podlacz(o->sekcja); !b.empty())
                return b;
        }
        return {};
    }
    return wartosc(s, wiersz);
}

std::string Czytelnik::wartosc(std::string_view s, int wiersz)
{
    if (!biezaca_) {
        float v;
        if (!czytaj_rzeczywista(s, v).empty())
            return w_wierszu(wiersz, cudzyslow(s) + " nie jest nazwą sekcji");
        return w_wierszu(wiersz, "wartość " + cudzyslow(s) + " stoi przed nazwą pierwszej sekcji");
    }
    Zebrana& z = sekcja(biezaca_->sekcja);
    if (jest_calkowita(biezaca_->sekcja, z.ile + 1)) {
        int v;
        if (std::string b = czytaj_calkowita(s, biezaca_->nazwa, v); !b.empty())
            return w_wierszu(wiersz, b);
        const bool wezel = biezaca_->sekcja == Sekcja::nu || biezaca_->sekcja == Sekcja::ks;
        if (wezel)
            z.wiersze.push_back(wiersz);
        if (biezaca_->sekcja == Sekcja::ks) { // a spring's node, with its stiffness kept beside
            z.calkowite.push_back(v);
            ++z.ile;
            return {};
        }
        z.dodaj(v, z.cel_calkowity, z.calkowite);
        return {};
    }
    float v;
    if (std::string b = czytaj_rzeczywista(s, v); !b.empty())
        return w_wierszu(wiersz, b);
    z.dodaj(v, z.cel, z.rzeczywiste);
    return {};
}

std::optional<int> Czytelnik::licznik(Sekcja s) const
{
    const Zebrana& z = zebrane_[std::size_t(s)];
    if (!z.wiersz || z.ile != 1 || z.calkowite.empty())
        return std::nullopt;
    return z.calkowite[0];
}

std::string Czytelnik::przydziel(int elementy, int podpory, int obciazenia)
{
    const std::optional<Tablice> t = sprobuj_utworzyc_tablice(elementy, podpory, obciazenia);
    if (!t) {
        brak_pamieci = true;
        return powod_braku_pamieci(elementy);
    }
    t_ = *t;
    return {};
}

// The arrays are made as soon as the three counts are known and the text is
// long enough to hold what they call for (each value takes two bytes at
// least): a text that claims a huge model makes nothing.
std::string Czytelnik::przydziel_gdy_mozna()
{
    if (t_.x)
        return {};
    const auto elementy = licznik(Sekcja::elementy), obciazenia = licznik(Sekcja::obciazenia),
               podpory = licznik(Sekcja::podpory);
    if (!elementy || !obciazenia || !podpory || *elementy < 1 || *elementy == INT_MAX || *obciazenia < 1 ||
        *podpory < 0)
        return {};
    const std::uint64_t wartosci = 6 * std::uint64_t(*elementy) + 2 + 2 * std::uint64_t(*podpory);
    if (2 * wartosci > rozmiar_)
        return {};
    return przydziel(*elementy, *podpory, *obciazenia);
}

// A section that begins once the arrays exist goes straight into its array.
std::string Czytelnik::podlacz(Sekcja s)
{
    if (!t_.x)
        return {};
    Zebrana& z = sekcja(s);
    switch (s) {
    case Sekcja::qx:
        if (!dodaj_obciazenia_ciagle(t_)) {
            brak_pamieci = true;
            return powod_braku_pamieci(t_.il_elem);
        }
        z.cel = t_.qx, z.pojemnosc = t_.il_elem;
        break;
    case Sekcja::x: z.cel = t_.x, z.pojemnosc = t_.il_wezl; break;
    case Sekcja::a: z.cel = t_.a, z.pojemnosc = t_.il_elem; break;
    case Sekcja::e: z.cel = t_.e, z.pojemnosc = t_.il_elem; break;
    case Sekcja::nu: z.cel_calkowity = t_.nu, z.pojemnosc = t_.il_podpor; break;
    case Sekcja::u: z.cel = t_.u, z.pojemnosc = t_.il_podpor; break;
    case Sekcja::dt: z.cel = t_.dt, z.pojemnosc = t_.il_elem; break;
    case Sekcja::si: z.cel = t_.si, z.pojemnosc = t_.il_wezl; break;
    case Sekcja::alp: z.cel = t_.alp, z.pojemnosc = t_.il_elem; break;
    default: break;
    }
    return {};
}

std::string sprawdz_licznik(const Zebrana& z, const OpisSekcji& o, int minimum, int maksimum)
{
    if (!z.wiersz)
        return "brak sekcji " + cudzyslow(o.nazwa);
    if (z.ile != 1)
        return w_wierszu(z.wiersz, "po " + cudzyslow(o.nazwa) + " oczekiwano jednej liczby, a jest ich " +
                                       std::to_string(z.ile));
    const int licznik = z.calkowite[0];
    if (licznik < minimum || licznik > maksimum)
        return w_wierszu(z.wiersz, "wartość " + cudzyslow(o.nazwa) + " musi wynosić od " + std::to_string(minimum) +
                                       " do " + std::to_string(maksimum) + ", a jest " + std::to_string(licznik));
    return {};
}

std::string sprawdz_dlugosc(const Zebrana& z, const OpisSekcji& o, int il_elem, int il_podpor)
{
    if (!z.wiersz)
        return nieobowiazkowa(o.sekcja) ? std::string() : "brak sekcji " + cudzyslow(o.nazwa);
    if (o.dlugosc == Dlugosc::pary)
        return z.ile % 2 == 0 ? std::string()
                              : w_wierszu(z.wiersz, "sekcja " + cudzyslow(o.nazwa) + " ma " + std::to_string(z.ile) +
                                                        " wartości, a powinny to być pary: węzeł i sztywność");
    const std::int64_t powinna = o.dlugosc == Dlugosc::wezly      ? std::int64_t{il_elem} + 1
                                 : o.dlugosc == Dlugosc::elementy ? il_elem
                                                                  : il_podpor;
    const char* czego = o.dlugosc == Dlugosc::wezly      ? "po jednej na węzeł"
                        : o.dlugosc == Dlugosc::elementy ? "po jednej na element"
                                                         : "po jednej na podporę";
    if (z.ile == powinna)
        return {};
    return w_wierszu(z.wiersz, "sekcja " + cudzyslow(o.nazwa) + " ma " + std::to_string(z.ile) +
                                   " wartości, a powinna mieć " + std::to_string(powinna) + " (" + czego + ")");
}

std::string Czytelnik::sprawdz()
{
    // A bar may be held by springs alone.
    const int minima[] = {1, 1, 0}, maksima[] = {INT_MAX - 1, INT_MAX, INT_MAX};
    for (std::size_t k = 0; k < 3; ++k)
        if (std::string b = sprawdz_licznik(zebrane_[k], sekcje[k], minima[k], maksima[k]); !b.empty())
            return b;
    const int il_elem = zebrane_[0].calkowite[0], il_podpor = zebrane_[2].calkowite[0];
    if (il_podpor == 0 && sekcja(Sekcja::ks).calkowite.empty())
        return w_wierszu(zebrane_[2].wiersz, "pręt bez podpór musi mieć co najmniej jedną sprężynę (sekcja „sprężyny”)");
    for (std::size_t k = 3; k < sekcje.size(); ++k)
        if (std::string b = sprawdz_dlugosc(zebrane_[k], sekcje[k], il_elem, il_podpor); !b.empty())
            return b;
    const Zebrana& nu = sekcja(Sekcja::nu);
    for (std::size_t k = 0; k < nu.wiersze.size(); ++k) {
        const int wezel = nu.cel_calkowity ? nu.cel_calkowity[k + 1] : nu.calkowite[k];
        if (wezel < 1 || wezel > il_elem + 1)
            return w_wierszu(nu.wiersze[k], "węzeł podpory " + std::to_string(wezel) + " spoza zakresu 1.." +
                                                std::to_string(il_elem + 1));
    }
    const Zebrana& ks = sekcja(Sekcja::ks);
    for (std::size_t k = 0; k < ks.calkowite.size(); ++k)
        if (ks.calkowite[k] < 1 || ks.calkowite[k] > il_elem + 1)
            return w_wierszu(ks.wiersze[k], "węzeł sprężyny " + std::to_string(ks.calkowite[k]) + " spoza zakresu 1.." +
                                                std::to_string(il_elem + 1));
    return {};
}

// Springs of one node act as one: their stiffnesses add up.
std::string Czytelnik::sprezyny()
{
    const Zebrana& z = sekcja(Sekcja::ks);
    if (z.calkowite.empty())
        return {};
    if (!dodaj_sprezyny(t_)) {
        brak_pamieci = true;
        return powod_braku_pamieci(t_.il_elem);
    }
    for (std::size_t k = 0; k < z.calkowite.size(); ++k)
        t_.ks[z.calkowite[k]] = float(double(t_.ks[z.calkowite[k]]) + z.rzeczywiste[k]);
    return {};
}

template <typename T>
void przepisz(const std::vector<T>& z, T* cel)
{
    std::copy(z.begin(), z.end(), cel + 1);
}

// Sections kept aside go to their arrays; the working vector starts as the forces.
std::string Czytelnik::zbuduj()
{
    if (!t_.x)
        if (std::string b = przydziel(zebrane_[0].calkowite[0], zebrane_[2].calkowite[0], zebrane_[1].calkowite[0]);
            !b.empty())
            return b;
    przepisz(sekcja(Sekcja::x).rzeczywiste, t_.x);
    przepisz(sekcja(Sekcja::a).rzeczywiste, t_.a);
    przepisz(sekcja(Sekcja::e).rzeczywiste, t_.e);
    przepisz(sekcja(Sekcja::nu).calkowite, t_.nu);
    przepisz(sekcja(Sekcja::u).rzeczywiste, t_.u);
    przepisz(sekcja(Sekcja::dt).rzeczywiste, t_.dt);
    przepisz(sekcja(Sekcja::si).rzeczywiste, t_.si);
    przepisz(sekcja(Sekcja::alp).rzeczywiste, t_.alp);
    const Zebrana& q = sekcja(Sekcja::qx);
    if (q.wiersz && !q.cel) {
        if (!dodaj_obciazenia_ciagle(t_)) {
            brak_pamieci = true;
            return powod_braku_pamieci(t_.il_elem);
        }
        przepisz(q.rzeczywiste, t_.qx);
    }
    if (std::string b = sprezyny(); !b.empty())
        return b;
    std::copy(t_.si + 1, t_.si + t_.il_wezl + 1, t_.f + 1);
    return {};
}

std::string Czytelnik::zakoncz()
{
    if (std::string b = slowa_.zakoncz(); !b.empty())
        return b;
    if (std::string b = sprawdz(); !b.empty())
        return b;
    return zbuduj();
}

// The pieces `kawalek()` gives (empty at the end, nothing on a read error) as a model.
template <typename Kawalek>
WynikTekstu czytaj_kawalki(Kawalek kawalek, std::uint64_t rozmiar)
{
    WynikTekstu wynik;
    Czytelnik c(rozmiar);
    for (;;) {
        const std::optional<std::string_view> k = kawalek();
        if (!k) {
            wynik.blad = "błąd odczytu";
            return wynik;
        }
        if (k->empty())
            break;
        if (wynik.blad = c.dodaj(*k); !wynik.blad.empty()) {
            wynik.brak_pamieci = c.brak_pamieci;
            return wynik;
        }
    }
    if (wynik.blad = c.zakoncz(); !wynik.blad.empty()) {
        wynik.brak_pamieci = c.brak_pamieci;
        return wynik;
    }
    wynik.tablice = c.oddaj();
    wynik.ok = true;
    return wynik;
}

// ---- writing over a text the user wrote ----

// The values of a model, section by section, as a text spells them.
class WartosciModelu {
public:
    explicit WartosciModelu(const Tablice& t) : t_(t), sprezyny_(wezly_ze_sprezyna(t)) {}

    std::int64_t dlugosc(const OpisSekcji& o) const
    {
        switch (o.dlugosc) {
        case Dlugosc::liczba: return 1;
        case Dlugosc::wezly: return t_.il_wezl;
        case Dlugosc::elementy: return o.sekcja == Sekcja::qx && !t_.qx ? 0 : t_.il_elem;
        case Dlugosc::podpory: return t_.il_podpor;
        case Dlugosc::pary: return 2 * std::int64_t(sprezyny_.size());
        }
        return 0;
    }

    // The bits of value `k` (1-based) of a section.
    std::uint32_t bity(Sekcja s, std::int64_t k) const
    {
        const auto b = [](auto v) { return std::bit_cast<std::uint32_t>(v); };
        switch (s) {
        case Sekcja::elementy: return b(t_.il_elem);
        case Sekcja::obciazenia: return b(t_.il_obciaz);
        case Sekcja::podpory: return b(t_.il_podpor);
        case Sekcja::x: return b(t_.x[k]);
        case Sekcja::a: return b(t_.a[k]);
        case Sekcja::e: return b(t_.e[k]);
        case Sekcja::nu: return b(t_.nu[k]);
        case Sekcja::u: return b(t_.u[k]);
        case Sekcja::dt: return b(t_.dt[k]);
        case Sekcja::si: return b(t_.si[k]);
        case Sekcja::alp: return b(t_.alp[k]);
        case Sekcja::qx: return b(t_.qx[k]);
        case Sekcja::ks: {
            const int wezel = sprezyny_[std::size_t((k - 1) / 2)];
            return k % 2 ? b(wezel) : b(t_.ks[wezel]);
        }
        }
        return 0;
    }

    // Whether a word of the text spells the value, bit for bit.
    bool ma_wartosc(std::string_view slowo, Sekcja s, std::int64_t k) const
    {
        std::uint32_t wczytane = 0;
        if (jest_calkowita(s, k)) {
            int v;
            if (!czytaj_calkowita(slowo, "", v).empty())
                return false;
            wczytane = std::bit_cast<std::uint32_t>(v);
        } else {
            float v;
            if (!czytaj_rzeczywista(slowo, v).empty())
                return false;
            wczytane = std::bit_cast<std::uint32_t>(v);
        }
        return wczytane == bity(s, k);
    }

    void zapisz(Pisarz& p, Sekcja s, std::int64_t k) const
    {
        if (jest_calkowita(s, k))
            p.calkowita(std::bit_cast<int>(bity(s, k)));
        else
            p.rzeczywista(std::bit_cast<float>(bity(s, k)));
    }

    const Tablice& tablice() const { return t_; }

private:
    const Tablice& t_;
    std::vector<int> sprezyny_;
};

// How many values each section of a text has.
struct LiczbaWartosci {
    std::array<std::int64_t, sekcje.size()> ile{};
    std::array<bool, sekcje.size()> obecna{};
    const OpisSekcji* biezaca = nullptr;

    std::string slowo(std::string_view s, int, std::uint64_t)
    {
        if (const OpisSekcji* o = sekcja_o_nazwie(s))
            biezaca = o, obecna[std::size_t(o->sekcja)] = true;
        else if (biezaca)
            ++ile[std::size_t(biezaca->sekcja)];
        return {};
    }
};

// The text again, with each value the model holds differently written anew.
// A section whose number of values has changed gets all its values anew
// (comments among them go with them); every other byte stays.
class Przepisanie {
public:
    Przepisanie(std::string_view wzor, const Tablice& t, const LiczbaWartosci& liczba, Pisarz& p)
        : wzor_(wzor), model_(t), liczba_(liczba), p_(p)
    {
    }

    std::string slowo(std::string_view s, int, std::uint64_t pozycja)
    {
        if (const OpisSekcji* o = sekcja_o_nazwie(s)) {
            biezaca_ = o;
            indeks_ = 0;
            if (!ta_sama_dlugosc(*o)) {
                kopiuj_do(pozycja + s.size());
                p_.tekst("\n");
                zapisz_wartosci_sekcji(p_, *o, model_.tablice(), false);
            }
            return {};
        }
        if (!biezaca_)
            return {};
        ++indeks_;
        if (!ta_sama_dlugosc(*biezaca_)) {
            skopiowane_ = pozycja + s.size();
        } else if (!model_.ma_wartosc(s, biezaca_->sekcja, indeks_)) {
            kopiuj_do(pozycja);
            model_.zapisz(p_, biezaca_->sekcja, indeks_);
            skopiowane_ = pozycja + s.size();
        }
        return {};
    }

    // The rest of the text, then the sections the model has and the text lacks.
    void dokoncz()
    {
        kopiuj_do(wzor_.size());
        for (const OpisSekcji& o : sekcje)
            if (!liczba_.obecna[std::size_t(o.sekcja)] && sekcja_potrzebna(o, model_.tablice())) {
                if (!wzor_.empty() && wzor_.back() != '\n')
                    p_.tekst("\n");
                zapisz_sekcje(p_, o, model_.tablice());
            }
    }

private:
    bool ta_sama_dlugosc(const OpisSekcji& o) const { return liczba_.ile[std::size_t(o.sekcja)] == model_.dlugosc(o); }
    void kopiuj_do(std::uint64_t pozycja)
    {
        if (pozycja > skopiowane_)
            p_.tekst(wzor_.substr(skopiowane_, pozycja - skopiowane_));
        skopiowane_ = std::max(skopiowane_, pozycja);
    }

    std::string_view wzor_;
    WartosciModelu model_;
    const LiczbaWartosci& liczba_;
    Pisarz& p_;
    const OpisSekcji* biezaca_ = nullptr;
    std::int64_t indeks_ = 0;
    std::uint64_t skopiowane_ = 0;
};

} // namespace

bool zapisz_tekst_modelu(const Tablice& t, std::span<const NaprawionaPodpora> naprawione, Strumien& s)
{
    Pisarz p(s);
    p.tekst("# ZENTA: model pręta (MES dla prętów rozciąganych i ściskanych).\n"
            "# '#' zaczyna komentarz. Sekcja to nazwa i po niej jej wartości.\n\n");
    const int liczniki[] = {t.il_elem, t.il_obciaz, t.il_podpor};
    for (int k = 0; k < 3; ++k) {
        p.tekst(sekcje[std::size_t(k)].nazwa);
        p.tekst(" ");
        p.calkowita(liczniki[k]);
        p.tekst("\n");
    }
    for (const NaprawionaPodpora& n : naprawione) {
        p.tekst("# podpora ");
        p.calkowita(n.podpora);
        p.tekst(": w pliku M1D węzeł ");
        p.calkowita(n.numer_w_pliku);
        p.tekst(" (spoza pręta), przyjęto węzeł 1\n");
    }
    for (std::size_t k = 3; k < sekcje.size(); ++k)
        if (sekcja_potrzebna(sekcje[k], t))
            zapisz_sekcje(p, sekcje[k], t);
    return s.zakoncz();
}

bool zapisz_tekst_modelu_wedlug(std::string_view wzor, const Tablice& t, Strumien& s)
{
    LiczbaWartosci liczba;
    Slowa<LiczbaWartosci> liczenie(liczba);
    liczenie.dodaj(wzor);
    liczenie.zakoncz();
    Pisarz p(s);
    Przepisanie przepisanie(wzor, t, liczba, p);
    Slowa<Przepisanie> slowa(przepisanie);
    slowa.dodaj(wzor);
    slowa.zakoncz();
    przepisanie.dokoncz();
    return s.zakoncz();
}

bool zapisz_tekst_modelu(const Tablice& t, std::span<const NaprawionaPodpora> naprawione, std::FILE* out)
{
    Strumien s(out);
    return zapisz_tekst_modelu(t, naprawione, s);
}

WynikTekstu czytaj_tekst_modelu(const CzytajTekst& czytaj, std::uint64_t rozmiar)
{
    std::unique_ptr<char[]> bufor(new char[1 << 16]);
    return czytaj_kawalki(
        [&]() -> std::optional<std::string_view> {
            const std::ptrdiff_t ile = czytaj(bufor.get(), std::size_t{1} << 16);
            if (ile < 0)
                return std::nullopt;
            return std::string_view(bufor.get(), std::size_t(ile));
        },
        rozmiar);
}

WynikTekstu czytaj_tekst_modelu(std::string_view tekst)
{
    const std::uint64_t rozmiar = tekst.size();
    return czytaj_kawalki(
        [&tekst]() -> std::optional<std::string_view> { return std::exchange(tekst, std::string_view()); },
        rozmiar);
}
