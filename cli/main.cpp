// zenta-oblicz: the headless companion of ZENTA. Reads a bar model, runs the
// same analysis as the desktop program and prints, checks, verifies, draws
// and reports its results.

#include "argumenty.h"
#include "bilans.h"
#include "deskryptory_standardowe.h"
#include "kody.h"
#include "konwersja.h"
#include "model.h"
#include "opcje.h"
#include "plik_wyjsciowy.h"
#include "raport.h"
#include "rysunek_pliku.h"
#include "sprawdz_model.h"
#include "sprawdzenie.h"
#include "ten_sam_plik.h"
#include "wczytanie.h"
#include "weryfikacja.h"
#include "wydruk.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <clocale>
#include <exception>
#include <memory>
#include <new>
#include <optional>
#include <string_view>

namespace {

void zaladuj_polskie_teksty_qt(QCoreApplication& aplikacja, QTranslator& tlumacz)
{
    if (tlumacz.load(QLocale(QLocale::Polish), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        aplikacja.installTranslator(&tlumacz);
}

// The tool speaks for itself on standard error; Qt's own notes (e.g. about a
// missing runtime directory) would only get in the way of scripts.
void bez_komunikatow_qt(QtMsgType, const QMessageLogContext&, const QString&) {}

// The files the command asks for; the status, with the message for the first that failed.
int zapisz_pliki(const Polecenie& c, const std::vector<NaprawionaPodpora>& naprawione)
{
    std::string powod;
    if (!c.rysunek.isEmpty() && !zapisz_rysunek(c.rysunek, c.rozmiar, c.napr, powod))
        return blad_pliku("Nie można zapisać do pliku", c.rysunek, powod, blad_zapisu);
    for (const auto& [rodzaj, plik] : c.wykresy)
        if (!zapisz_obraz(plik, rysuj_wykres(rodzaj, c.rozmiar.width(), c.rozmiar.height()).rysunek,
                          c.rozmiar, powod))
            return blad_pliku("Nie można zapisać do pliku", plik, powod, blad_zapisu);
    const auto raport = [&](const Ujscie& ujscie) {
        Strumien s(ujscie);
        return zapisz_raport(s, bajty_nazwy(QFileInfo(c.model).fileName()), naprawione);
    };
    if (!c.raport.isEmpty() && !zapisz_plik(c.raport, raport, powod))
        return blad_pliku("Nie można zapisać do pliku", c.raport, powod, blad_zapisu);
    return sukces;
}

bool wypisz(const Polecenie& c, Strumien& s)
{
    const std::optional<Bilans> bilans = c.bilans ? std::optional<Bilans>(policz_bilans()) : std::nullopt;
    bool ok = false;
    switch (c.format) {
    case Format::dane: ok = wypisz_dane(s); break;
    case Format::json: return wypisz_json(s, bilans ? &*bilans : nullptr);
    case Format::csv: return wypisz_csv(s, bilans ? &*bilans : nullptr);
    case Format::szczegoly: ok = wypisz_szczegoly(s); break;
    case Format::wyniki: ok = wypisz_wyniki(s); break;
    }
    return bilans ? wypisz_bilans(*bilans, s) && ok : ok;
}

int sprawdz(const WczytanyModel& model)
{
    int kod = sukces;
    const int zapis = wypisz_na_wyjscie([&](Strumien& s) {
        kod = sprawdz_model(model.naprawione, s);
        return true;
    });
    return zapis == sukces ? kod : zapis;
}

int wykonaj(const Polecenie& c)
{
    if (const std::optional<std::string> b = wyjscie_na_modelu(c))
        return blad(*b, zle_wywolanie);
    if (c.tryb == Tryb::do_tekstu)
        return na_tekst(c.model, c.wyjscie);
    if (c.tryb == Tryb::z_tekstu)
        return na_m1d(c.model, c.wyjscie);
    const WczytanyModel model = wczytaj_model(bajty_nazwy(c.model));
    if (model.kod != sukces)
        return blad(model.blad, model.kod);
    if (c.tryb == Tryb::sprawdzenie)
        return sprawdz(model);
    if (const int kod = zapisz_pliki(c, model.naprawione); kod != sukces)
        return kod;
    if (c.wypisz)
        if (const int kod = wypisz_na_wyjscie([&c](Strumien& s) { return wypisz(c, s); }); kod != sukces)
            return kod;
    if (const std::optional<std::string> w = wynik_nieliczbowy()) {
        const std::vector<Uwaga> przyczyny = przyczyny_wynikow_nieliczbowych();
        return blad("Wyniki nie są liczbami: " + *w +
                        (przyczyny.empty()
                             ? " (element o zerowej długości albo sztywności, które się znoszą; --sprawdz wskaże)"
                             : " (przyczyna: " + przyczyny.front().tekst + ")"),
                    wyniki_nieliczbowe);
    }
    return sukces;
}

// Pictures need fonts, and fonts a platform (the one that needs no display);
// everything else starts without them.
std::unique_ptr<QCoreApplication> aplikacja(int& argc, char* argv[])
{
    bool rysuje = false;
    for (int k = 1; k < argc; ++k) {
        const std::string_view a = argv[k];
        rysuje = rysuje || a.starts_with("--rysunek") || a.starts_with("--wykres");
    }
    if (!rysuje)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[])
{
    zajmij_zamkniete_deskryptory_standardowe(); // before Qt opens anything
    qInstallMessageHandler(bez_komunikatow_qt);
    const std::unique_ptr<QCoreApplication> program = aplikacja(argc, argv);
    // Qt adopts the environment's locale; numbers are printed with a point.
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setApplicationName("zenta-oblicz");
    QTranslator tlumacz;
    zaladuj_polskie_teksty_qt(*program, tlumacz);

    const Rozbior rozbior = rozbierz(argumenty_bez_strat(argc, argv));
    if (!rozbior.polecenie)
        return blad(rozbior.blad.toStdString(), zle_wywolanie);
    if (rozbior.polecenie->tryb == Tryb::pomoc) {
        const QByteArray pomoc = rozbior.pomoc.toLocal8Bit();
        return wypisz_na_wyjscie([&pomoc](Strumien& s) {
            s << std::string_view(pomoc.constData(), std::size_t(pomoc.size()));
            return true;
        });
    }
    // No exception leaves: every failure ends with one of the documented statuses.
    int kod = sukces;
    try {
        kod = wykonaj(*rozbior.polecenie);
    } catch (const std::bad_alloc&) {
        kod = blad("Za mało pamięci na ten model.", brak_pamieci);
    } catch (const std::exception& w) {
        kod = blad(std::string("Nieoczekiwany błąd: ") + w.what(), brak_pamieci);
    }
    if (!Pusty)
        zwolnij_model();
    return kod;
}
