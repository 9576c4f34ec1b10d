#include "opcje.h"

#include "rysunek_pliku.h"
#include "wersja_budowy.h"

#include <QCommandLineParser>

namespace {

const char* const opis =
    "ZENTA: MES dla prętów rozciąganych i ściskanych.\n"
    "Czyta model pręta (plik M1D albo model tekstowy *.txt), wykonuje obliczenia\n"
    "i wypisuje wyniki: naprężenia w elementach, przemieszczenia węzłów, reakcje podpór.\n"
    "\n"
    "Przykłady:\n"
    "  zenta-oblicz pret.M1D                      wyniki jak w oknie \"Wyniki obliczeń\"\n"
    "  zenta-oblicz --sprawdz pret.M1D            sprawdzenie modelu przed obliczeniami\n"
    "  zenta-oblicz --bilans pret.M1D             wyniki i ich weryfikacja\n"
    "  zenta-oblicz --szczegoly pret.txt          L, N, odkształcenia i wydłużenie elementów\n"
    "  zenta-oblicz --wykres N n.svg --wykres u u.png pret.M1D\n"
    "  zenta-oblicz --raport raport.html pret.M1D\n"
    "  zenta-oblicz --do-tekstu pret.M1D -o pret.txt\n"
    "  zenta-oblicz --z-tekstu pret.txt -o pret.M1D\n"
    "\n"
    "Model tekstowy: sekcje elementy, obciążenia, podpory (liczby), współrzędne i siły\n"
    "(po jednej wartości na węzeł), pola, moduły, rozszerzalności, temperatury (na element),\n"
    "węzły_podpór, wymuszenia (na podporę); z wyboru obciążenia_ciągłe (q na element) i\n"
    "sprężyny (pary: węzeł, sztywność k); '#' zaczyna komentarz; najwyżej 1 GiB.\n"
    "Wzory: /usr/share/doc/zenta/examples/ (zainstalowany pakiet), w katalogu źródeł\n"
    "examples/.\n"
    "\n"
    "MODEL \"-\" to standardowe wejście. Plik wynikowy powstaje obok jako nowy i zastępuje\n"
    "dawny dopiero cały, z jego właścicielem, uprawnieniami i ACL; pliku, którego nie wolno\n"
    "pisać, program nie zastępuje; do potoku (FIFO) i urządzenia pisze wprost.\n"
    "\n"
    "Kody wyjścia: 0 powodzenie, 1 za mało pamięci, 2 błędne wywołanie (także plik wynikowy,\n"
    "który jest plikiem modelu), 3 nie można otworzyć pliku, 4 błędny plik z danymi, 5 nie\n"
    "można zapisać (także na standardowe wyjście), 6 --sprawdz znalazło usterki, 7 wyniki\n"
    "nie są liczbami (wypisane, ale bez znaczenia), 8 --z-tekstu: model ma obciążenia\n"
    "ciągłe albo sprężyny, których plik M1D nie pomieści. Komunikat błędu podaje plik i przyczynę.\n"
    "\n"
    "Z obciążeniami ciągłymi --json ma też tablice q, sigma_pocz i sigma_kon (dokładne naprężenia\n"
    "na końcach elementów), u_ekstr i x_ekstr (największe przemieszczenie w elemencie i jego x),\n"
    "a ze sprężynami sprezyny: [{wezel, k, sila}], siła = −k·u; --csv i --szczegoly mają\n"
    "te same kolumny i blok sprężyn.";

struct Opcje {
    QCommandLineOption pomoc{{"h", "help", "pomoc"}, "Wyświetla tę pomoc."};
    QCommandLineOption wersja{{"v", "version", "wersja"}, "Wyświetla wersję programu."};
    QCommandLineOption dane{"dane", "Wypisuje dane do obliczeń zamiast wyników."};
    QCommandLineOption json{"json",
                            "Wypisuje wyniki (także L, N, ε, ε_T, ε_m, ΔL elementów) jako obiekt JSON."};
    QCommandLineOption csv{"csv", "Wypisuje wyniki (także wielkości pochodne elementów) jako CSV."};
    QCommandLineOption szczegoly{
        "szczegoly", "Tabela elementów: naprężenie, długość L, siła osiowa N = σ·A, odkształcenie "
                     "całkowite, termiczne α·ΔT i mechaniczne, wydłużenie ΔL."};
    QCommandLineOption bilans{
        "bilans", "Dodaje weryfikację: residuum równowagi i porównanie z niezależnym rozwiązaniem w "
                  "podwójnej precyzji z podporami bez kary (różnice względne, najgorszy element)."};
    QCommandLineOption sprawdz{
        "sprawdz", "Tylko sprawdza model: długości, E·A, wartości nieskończone, numery węzłów podpór, "
                   "kilka podpór w węźle, odkształcenia ponad 1 %, za słabą karę, za małą precyzję. "
                   "Kod 6, gdy coś jest nie tak."};
    QCommandLineOption rysunek{"rysunek", "Zapisuje rysunek pręta, jak w oknie programu (.svg albo .png).",
                               "PLIK"};
    QCommandLineOption napr{"napr", "Rysunek w kolorach naprężeń, z legendą."};
    QCommandLineOption rozmiar{"rozmiar", "Rozmiar rysunku i wykresów w pikselach (domyślnie 1280x800).",
                               "SZERxWYS", "1280x800"};
    // Taken out of the arguments before parsing (two values); here for --pomoc.
    QCommandLineOption wykres{
        "wykres",
        "Zapisuje wykres wzdłuż x do PLIK (.svg albo .png): N (siła osiowa), napr (naprężenie) "
        "albo u (przemieszczenie), z kształtem pręta po odkształceniu. Może wystąpić kilka razy.",
        "RODZAJ PLIK"};
    QCommandLineOption raport{
        "raport",
        "Zapisuje raport HTML: dane, wyniki, rysunek, wykresy, sprawdzenie, weryfikację, a dla "
        "modeli do 20 elementów obliczenia krok po kroku.",
        "PLIK.html"};
    QCommandLineOption do_tekstu{"do-tekstu", "Zapisuje model jako model tekstowy (na wyjście albo do -o)."};
    QCommandLineOption z_tekstu{"z-tekstu", "Zapisuje model tekstowy jako plik M1D podany w -o."};
    QCommandLineOption wyjscie{{"o", "wyjscie"}, "Plik wynikowy --do-tekstu i --z-tekstu; \"-\" to standardowe wyjście.",
                               "PLIK"};
};

int ile_ustawionych(const QCommandLineParser& p, std::initializer_list<const QCommandLineOption*> opcje)
{
    int n = 0;
    for (const QCommandLineOption* o : opcje)
        n += p.isSet(*o);
    return n;
}

Format format(const QCommandLineParser& p, const Opcje& o)
{
    return p.isSet(o.dane)        ? Format::dane
           : p.isSet(o.json)      ? Format::json
           : p.isSet(o.csv)       ? Format::csv
           : p.isSet(o.szczegoly) ? Format::szczegoly
                                  : Format::wyniki;
}

QString konwersja(const QCommandLineParser& p, const Opcje& o, Polecenie& c)
{
    c.tryb = p.isSet(o.do_tekstu) ? Tryb::do_tekstu : Tryb::z_tekstu;
    c.wyjscie = p.value(o.wyjscie);
    if (ile_ustawionych(p, {&o.do_tekstu, &o.z_tekstu}) > 1 || p.positionalArguments().size() != 1 ||
        !c.wykresy.empty() ||
        ile_ustawionych(
            p, {&o.dane, &o.json, &o.csv, &o.szczegoly, &o.bilans, &o.sprawdz, &o.rysunek, &o.raport}) > 0)
        return "Podaj --do-tekstu albo --z-tekstu, jeden plik modelu i ewentualnie -o PLIK.";
    if (c.tryb == Tryb::z_tekstu && c.wyjscie.isEmpty())
        return "Podaj plik M1D do zapisania: --z-tekstu MODEL.txt -o MODEL.M1D.";
    return {};
}

// A picture is SVG or PNG, and its name says which.
QString sprawdz_nazwe_obrazu(const QString& plik)
{
    if (plik.endsWith(".svg", Qt::CaseInsensitive) || plik.endsWith(".png", Qt::CaseInsensitive))
        return {};
    return "Plik rysunku „" + plik + "” musi mieć rozszerzenie .svg albo .png.";
}

QString sprawdz_nazwy_obrazow(const Polecenie& c)
{
    if (!c.rysunek.isEmpty())
        if (QString b = sprawdz_nazwe_obrazu(c.rysunek); !b.isEmpty())
            return b;
    for (const auto& [rodzaj, plik] : c.wykresy)
        if (QString b = sprawdz_nazwe_obrazu(plik); !b.isEmpty())
            return b;
    return {};
}

QString obliczenia(const QCommandLineParser& p, const Opcje& o, Polecenie& c)
{
    const QStringList pliki = p.positionalArguments();
    if (p.isSet(o.wyjscie))
        return "Opcja -o dotyczy tylko --do-tekstu i --z-tekstu.";
    if (p.isSet(o.sprawdz)) {
        c.tryb = Tryb::sprawdzenie;
        if (pliki.size() != 1 || !c.wykresy.empty() ||
            ile_ustawionych(p, {&o.dane, &o.json, &o.csv, &o.szczegoly, &o.bilans, &o.rysunek, &o.raport}) >
                0)
            return "--sprawdz przyjmuje tylko plik modelu.";
        return {};
    }
    if (ile_ustawionych(p, {&o.dane, &o.json, &o.csv, &o.szczegoly}) > 1)
        return "Podaj co najwyżej jedną z opcji --dane, --json, --csv, --szczegoly.";
    if (pliki.size() != 1)
        return "Podaj jeden plik modelu (--pomoc wyjaśnia).";
    const auto wymiary = czytaj_rozmiar(p.value(o.rozmiar));
    if (!wymiary)
        return "Błędny rozmiar rysunku: podaj SZERxWYS, każdy bok od 151 do 20000 pikseli.";
    c.rozmiar = *wymiary;
    c.format = format(p, o);
    c.bilans = p.isSet(o.bilans);
    c.rysunek = p.value(o.rysunek);
    c.napr = p.isSet(o.napr);
    c.raport = p.value(o.raport);
    if (QString b = sprawdz_nazwy_obrazow(c); !b.isEmpty())
        return b;
    const bool tylko_pliki = !c.rysunek.isEmpty() || !c.wykresy.empty() || !c.raport.isEmpty();
    c.wypisz = !tylko_pliki || c.bilans || c.format != Format::wyniki;
    return {};
}

// "--wykres RODZAJ PLIK" (also "--wykres=RODZAJ PLIK") anywhere on the line:
// moved from `argumenty` into c.wykresy. Empty when all went well.
QString wyjmij_wykresy(QStringList& argumenty, Polecenie& c)
{
    for (qsizetype k = 1; k < argumenty.size();) {
        QString rodzaj;
        qsizetype ile = 0;
        if (argumenty[k] == "--wykres" && k + 2 < argumenty.size()) {
            rodzaj = argumenty[k + 1];
            ile = 3;
        } else if (argumenty[k].startsWith("--wykres=") && k + 1 < argumenty.size()) {
            rodzaj = argumenty[k].mid(9);
            ile = 2;
        } else if (argumenty[k] == "--wykres" || argumenty[k].startsWith("--wykres=")) {
            return "Po --wykres podaj rodzaj (N, napr albo u) i plik wykresu (.svg albo .png).";
        } else {
            ++k;
            continue;
        }
        const std::optional<RodzajWykresu> r = rodzaj_wykresu(rodzaj.toStdString());
        if (!r)
            return "Nieznany rodzaj wykresu „" + rodzaj + "”: podaj N, napr albo u.";
        const QString plik = argumenty[k + ile - 1];
        if (plik.startsWith('-'))
            return "Po --wykres " + rodzaj + " podaj plik wykresu (.svg albo .png).";
        c.wykresy.emplace_back(*r, plik);
        argumenty.remove(k, ile);
    }
    return {};
}

} // namespace

Rozbior rozbierz(const QStringList& wszystkie_argumenty)
{
    QCommandLineParser p;
    p.setApplicationDescription(opis);
    const Opcje o;
    p.addOptions({o.pomoc, o.wersja, o.dane, o.json, o.csv, o.szczegoly, o.bilans, o.sprawdz, o.rysunek, o.napr,
                  o.rozmiar, o.wykres, o.raport, o.do_tekstu, o.z_tekstu, o.wyjscie});
    p.addPositionalArgument("MODEL", "Plik z modelem pręta: M1D albo model tekstowy (*.txt); \"-\" to "
                                     "standardowe wejście.");
    Rozbior r;
    Polecenie c;
    QStringList argumenty = wszystkie_argumenty;
    if (r.blad = wyjmij_wykresy(argumenty, c); !r.blad.isEmpty())
        return r;
    if (!p.parse(argumenty)) {
        r.blad = p.errorText();
        return r;
    }
    if (p.isSet(o.pomoc) || p.isSet(o.wersja)) {
        c.tryb = Tryb::pomoc;
        r.pomoc = p.isSet(o.pomoc) ? p.helpText() : "zenta-oblicz " ZENTA_WERSJA_BUDOWY "\n";
        r.polecenie = c;
        return r;
    }
    c.model = p.positionalArguments().value(0);
    r.blad = p.isSet(o.do_tekstu) || p.isSet(o.z_tekstu) ? konwersja(p, o, c) : obliczenia(p, o, c);
    if (r.blad.isEmpty())
        r.polecenie = c;
    return r;
}
