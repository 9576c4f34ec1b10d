#include "start.h"

#include "ekran.h"
#include "menu.h"
#include "wersja_budowy.h"

#include <QCommandLineParser>

namespace {

QString bez_mnemonika(const char* tekst) { return QString::fromUtf8(tekst).remove('&'); }

// The window's menu as it shows it, from the table the window is built from.
QString menu_okna()
{
    QString tekst;
    QString popup;
    for (const PozycjaMenu& p : menu_1000()) {
        if (!p.tekst)
            continue;
        if (bez_mnemonika(p.popup) != popup) {
            popup = bez_mnemonika(p.popup);
            tekst += (tekst.isEmpty() ? "  " : "\n  ") + popup + ": ";
        } else {
            tekst += ", ";
        }
        tekst += bez_mnemonika(p.tekst);
        if (p.skroty)
            tekst += " (" + QString(p.skroty).replace("; ", ", ") + ")";
    }
    return tekst;
}

QString opis()
{
    return "ZENTA: MES dla prętów rozciąganych i ściskanych.\n"
           "Bez argumentu otwiera puste okno; z plikiem (M1D albo modelem tekstowym *.txt)\n"
           "otwiera ten model, jak \"Otwórz\".\n"
           "\n"
           "Menu okna:\n" +
           menu_okna() +
           "\n"
           "Otwórz i Zapisz Jako przyjmują też modele tekstowe (*.txt). Okno śledzi otwarty\n"
           "plik: gdy zmieni się na dysku, model jest czytany ponownie. Kliknięcie pręta\n"
           "zmienia przekrój elementu; dwukrotne kliknięcie wiersza okna danych zmienia ten\n"
           "element, węzeł, podporę, obciążenie ciągłe albo sprężynę. Model z obciążeniami\n"
           "ciągłymi lub sprężynami zapisuje się jako model tekstowy (M1D ich nie pomieści).\n"
           "Pomoc otwiera podręcznik w przeglądarce, a bez niej we własnym oknie programu.\n"
           "\n"
           "Przykłady modeli: /usr/share/doc/zenta/examples/ (zainstalowany pakiet),\n"
           "examples/ w katalogu źródeł.\n"
           "\n"
           "Kody wyjścia: 0 po zamknięciu okna, --pomoc i --wersja; 1 za mało pamięci;\n"
           "2 błędne wywołanie; " +
           QString::number(kod_bez_ekranu) +
           " brak ekranu (nie ustawiono DISPLAY ani WAYLAND_DISPLAY\n"
           "albo nie ma połączenia z ekranem).";
}

} // namespace

Start rozbierz_start(const QStringList& argumenty)
{
    QCommandLineParser p;
    p.setApplicationDescription(opis());
    const QCommandLineOption pomoc({"h", "help", "pomoc"}, "Wyświetla tę pomoc.");
    const QCommandLineOption wersja({"v", "version", "wersja"}, "Wyświetla wersję programu.");
    p.addOptions({pomoc, wersja});
    p.addPositionalArgument("PLIK", "Model pręta do otwarcia: plik M1D albo model tekstowy (*.txt).", "[PLIK]");
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
