// zenta-oblicz: the headless companion of ZENTA. Reads a bar model, runs the
// same analysis as the desktop program and prints, checks, verifies, draws
// and reports its results.

#include "bilans.h"
#include "kody.h"
#include "konwersja.h"
#include "model.h"
#include "opcje.h"
#include "plik_wyjsciowy.h"
#include "raport.h"
#include "rysunek_pliku.h"
#include "sprawdz_model.h"
#include "sprawdzenie.h"
#include "wczytanie.h"
#include "weryfikacja.h"
#include "wydruk.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <clocale>
#include <cstdio>
#include <memory>
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

std::string sciezka(const QString& s) { return QFile::encodeName(s).toStdString(); }

bool zapisz_pliki(const Polecenie& c, const std::vector<NaprawionaPodpora>& naprawione)
{
    if (!c.rysunek.isEmpty() && !zapisz_rysunek(c.rysunek, c.rozmiar, c.napr))
        return false;
    for (const auto& [rodzaj, plik] : c.wykresy)
        if (!zapisz_obraz(plik, rysuj_wykres(rodzaj, c.rozmiar.width(), c.rozmiar.height()).rysunek,
                          c.rozmiar))
            return false;
    if (c.raport.isEmpty())
        return true;
    return zapisz_plik(c.raport, [&](const Ujscie& ujscie) {
        Strumien s(ujscie);
        return zapisz_raport(s, QFileInfo(c.model).fileName().toStdString(), naprawione);
    });
}

bool wypisz(const Polecenie& c, std::FILE* out)
{
    const std::optional<Bilans> bilans = c.bilans ? std::optional<Bilans>(policz_bilans()) : std::nullopt;
    bool ok = false;
    switch (c.format) {
    case Format::dane: ok = wypisz_dane(out); break;
    case Format::json: return wypisz_json(out, bilans ? &*bilans : nullptr);
    case Format::csv: return wypisz_csv(out, bilans ? &*bilans : nullptr);
    case Format::szczegoly: ok = wypisz_szczegoly(out); break;
    case Format::wyniki: ok = wypisz_wyniki(out); break;
    }
    return bilans ? wypisz_bilans(*bilans, out) && ok : ok;
}

int wykonaj(const Polecenie& c)
{
    if (c.tryb == Tryb::do_tekstu)
        return na_tekst(c.model, c.wyjscie);
    if (c.tryb == Tryb::z_tekstu)
        return na_m1d(c.model, c.wyjscie);
    const WczytanyModel model = wczytaj_model(sciezka(c.model));
    if (model.kod != sukces)
        return blad(model.blad.c_str(), model.kod);
    if (c.tryb == Tryb::sprawdzenie)
        return sprawdz_model(model.naprawione, stdout);
    if (!zapisz_pliki(c, model.naprawione))
        return blad("Nie można zapisać do pliku", blad_zapisu);
    if (c.wypisz && !wypisz(c, stdout))
        return blad("Nie można zapisać wyników", blad_zapisu);
    if (const std::optional<std::string> w = wynik_nieliczbowy())
        return blad(("Wyniki nie są liczbami: " + *w +
                     " (element o zerowej długości albo sztywności, które się znoszą; --sprawdz wskaże)")
                        .c_str(),
                    wyniki_nieliczbowe);
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
    qInstallMessageHandler(bez_komunikatow_qt);
    const std::unique_ptr<QCoreApplication> program = aplikacja(argc, argv);
    // Qt adopts the environment's locale; numbers are printed with a point.
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setApplicationName("zenta-oblicz");
    QTranslator tlumacz;
    zaladuj_polskie_teksty_qt(*program, tlumacz);

    const Rozbior rozbior = rozbierz(QCoreApplication::arguments());
    if (!rozbior.polecenie)
        return blad(rozbior.blad.toLocal8Bit().constData(), zle_wywolanie);
    if (rozbior.polecenie->tryb == Tryb::pomoc) {
        std::fputs(rozbior.pomoc.toLocal8Bit().constData(), stdout);
        return sukces;
    }
    const int kod = wykonaj(*rozbior.polecenie);
    if (!Pusty)
        zwolnij_model();
    return kod;
}
