#include "start.h"

#include "wersja_budowy.h"

#include <QCommandLineParser>

Start rozbierz_start(const QStringList& argumenty)
{
    QCommandLineParser p;
    p.setApplicationDescription("ZENTA: MES dla prętów rozciąganych i ściskanych.\n"
                                "Bez argumentu otwiera puste okno; z plikiem M1D otwiera ten model.");
    const QCommandLineOption pomoc({"h", "help", "pomoc"}, "Wyświetla tę pomoc.");
    const QCommandLineOption wersja({"v", "version", "wersja"}, "Wyświetla wersję programu.");
    p.addOptions({pomoc, wersja});
    p.addPositionalArgument("PLIK.M1D", "Model pręta do otwarcia (jak \"Otwórz\" w menu \"Plik\").", "[PLIK.M1D]");
    Start s;
    if (!p.parse(argumenty)) {
        s.co = Start::Co::blad;
        s.tekst = p.errorText() + "\n";
    } else if (p.isSet(pomoc)) {
        s.co = Start::Co::pomoc;
        s.tekst = p.helpText();
    } else if (p.isSet(wersja)) {
        s.co = Start::Co::wersja;
        s.tekst = "ZENTA " ZENTA_WERSJA_BUDOWY "\n";
    } else if (p.positionalArguments().size() > 1) {
        s.co = Start::Co::blad;
        s.tekst = "Podaj najwyżej jeden plik modelu (zenta --pomoc wyjaśnia).\n";
    } else {
        s.plik = p.positionalArguments().value(0);
    }
    return s;
}
