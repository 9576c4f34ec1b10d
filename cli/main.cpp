// zenta-oblicz: the headless companion of ZENTA. Reads an M1D model, runs the
// same analysis as the desktop program and prints the results.

#include "analiza.h"
#include "m1d.h"
#include "model.h"
#include "rysunek_pliku.h"
#include "wydruk.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <clocale>
#include <cstdio>

namespace {

enum KodWyjscia {
    sukces = 0,
    zle_wywolanie = 2,
    nie_mozna_otworzyc = 3,
    bledny_plik = 4,
    blad_zapisu = 5,
};

void zaladuj_polskie_teksty_qt(QCoreApplication& aplikacja, QTranslator& tlumacz)
{
    if (tlumacz.load(QLocale(QLocale::Polish), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        aplikacja.installTranslator(&tlumacz);
}

// The tool speaks for itself on standard error; Qt's own notes (e.g. about a
// missing runtime directory) would only get in the way of scripts.
void bez_komunikatow_qt(QtMsgType, const QMessageLogContext&, const QString&) {}

int blad(const char* tekst, int kod)
{
    std::fprintf(stderr, "%s\n", tekst);
    return kod;
}

int wczytaj_i_przelicz(const QString& sciezka)
{
    WynikOdczytu odczyt = czytaj_plik_m1d(sciezka.toStdString());
    if (odczyt.stan == Odczyt::nie_mozna_otworzyc)
        return blad("Nie można otworzyć pliku", nie_mozna_otworzyc);
    if (odczyt.stan != Odczyt::ok)
        return blad("Błędny plik z danymi", bledny_plik);
    zainstaluj_tablice(odczyt.tablice);
    Macierze();
    Oblicz();
    Pusty = false;
    return sukces;
}

} // namespace

int main(int argc, char* argv[])
{
    // Pictures need fonts, and fonts a platform: the one that needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(bez_komunikatow_qt);
    QGuiApplication aplikacja(argc, argv);
    // Qt adopts the environment's locale; numbers are printed with a point.
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setApplicationName("zenta-oblicz");
    QTranslator tlumacz;
    zaladuj_polskie_teksty_qt(aplikacja, tlumacz);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "ZENTA: MES dla prętów rozciąganych i ściskanych.\n"
        "Czyta model z pliku M1D, wykonuje obliczenia i wypisuje wyniki\n"
        "(naprężenia w elementach, przemieszczenia węzłów, reakcje podpór).");
    const QCommandLineOption pomoc({"h", "help", "pomoc"}, "Wyświetla tę pomoc.");
    const QCommandLineOption dane("dane", "Wypisuje dane do obliczeń zamiast wyników.");
    const QCommandLineOption json("json", "Wypisuje wyniki jako jeden obiekt JSON.");
    const QCommandLineOption csv("csv", "Wypisuje wyniki jako CSV.");
    const QCommandLineOption rysunek("rysunek", "Zapisuje rysunek pręta, jak w oknie programu (.svg albo .png).",
                                     "PLIK");
    const QCommandLineOption napr("napr", "Rysunek w kolorach naprężeń, z legendą.");
    const QCommandLineOption rozmiar("rozmiar", "Rozmiar rysunku w pikselach (domyślnie 1280x800).", "SZERxWYS",
                                     "1280x800");
    parser.addOptions({pomoc, dane, json, csv, rysunek, napr, rozmiar});
    parser.addPositionalArgument("MODEL.M1D", "Plik z modelem pręta.");

    if (!parser.parse(QCoreApplication::arguments()))
        return blad(parser.errorText().toLocal8Bit().constData(), zle_wywolanie);
    if (parser.isSet(pomoc)) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return sukces;
    }
    if (parser.positionalArguments().size() != 1 || int(parser.isSet(dane)) + parser.isSet(json) + parser.isSet(csv) > 1)
        return blad("Podaj jeden plik MODEL.M1D i co najwyżej jedną z opcji --dane, --json, --csv "
                    "(--pomoc wyjaśnia).", zle_wywolanie);

    const auto wymiary = czytaj_rozmiar(parser.value(rozmiar));
    if (!wymiary)
        return blad("Błędny rozmiar rysunku: podaj SZERxWYS, każdy bok od 151 do 20000 pikseli.", zle_wywolanie);

    if (const int kod = wczytaj_i_przelicz(parser.positionalArguments().first()); kod != sukces)
        return kod;
    if (parser.isSet(rysunek) && !zapisz_rysunek(parser.value(rysunek), *wymiary, parser.isSet(napr))) {
        zwolnij_model();
        return blad("Nie można zapisać do pliku", blad_zapisu);
    }
    const bool tylko_rysunek =
        parser.isSet(rysunek) && !parser.isSet(dane) && !parser.isSet(json) && !parser.isSet(csv);
    if (tylko_rysunek) {
        zwolnij_model();
        return sukces;
    }

    static char bufor[1 << 20];
    std::setvbuf(stdout, bufor, _IOFBF, sizeof bufor);
    const bool zapisano = parser.isSet(dane)   ? wypisz_dane(stdout)
                          : parser.isSet(json) ? wypisz_json(stdout)
                          : parser.isSet(csv)  ? wypisz_csv(stdout)
                                               : wypisz_wyniki(stdout);
    zwolnij_model();
    return zapisano ? sukces : blad("Nie można zapisać wyników", blad_zapisu);
}
