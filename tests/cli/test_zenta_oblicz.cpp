#include "cele_zapisu.h"
#include "m1d.h"
#include "pret.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Wynik {
    int kod = -1;
    std::string wyjscie; // stdout and stderr together
};

// A shell command line; its standard error goes with its output.
Wynik uruchom_w_powloce(const std::string& wiersz)
{
    const std::string polecenie = "{ " + wiersz + "; } 2>&1";
    Wynik w;
    FILE* potok = popen(polecenie.c_str(), "r");
    std::array<char, 4096> bufor;
    while (std::size_t n = std::fread(bufor.data(), 1, bufor.size(), potok))
        w.wyjscie.append(bufor.data(), n);
    const int stan = pclose(potok);
    w.kod = WIFEXITED(stan) ? WEXITSTATUS(stan) : -1;
    return w;
}

Wynik uruchom(const std::string& argumenty) { return uruchom_w_powloce(std::string(ZENTA_OBLICZ) + " " + argumenty); }

std::string zawartosc(const std::string& sciezka)
{
    std::ifstream plik(sciezka, std::ios::binary);
    return {std::istreambuf_iterator<char>(plik), std::istreambuf_iterator<char>()};
}

class ZentaOblicz : public ::testing::Test {
protected:
    void SetUp() override
    {
        katalog_ = fs::temp_directory_path() /
                   ("zenta_cli_" + std::to_string(::getpid()) + "_" + // other checkouts run the same tests
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(katalog_);
    }
    void TearDown() override { fs::remove_all(katalog_); }

    std::string zapisz_model(const OpisPreta& opis)
    {
        const std::string sciezka = (katalog_ / "model.M1D").string();
        EXPECT_TRUE(zapisz_plik_modelu(opis, sciezka));
        return sciezka;
    }

    std::string zapisz_bajty(const std::string& bajty)
    {
        const std::string sciezka = (katalog_ / "zly.M1D").string();
        std::ofstream(sciezka, std::ios::binary) << bajty;
        return sciezka;
    }

    fs::path katalog_;
};

} // namespace

TEST_F(ZentaOblicz, PrintsTheResultsTableWithTheWindowsFormats)
{
    const Wynik w = uruchom(zapisz_model(pret_dwuelementowy()));
    EXPECT_EQ(w.kod, 0);
    EXPECT_EQ(w.wyjscie, "Element\tNaprężenie\n"
                         "1\t 10.00000000\n"
                         "2\t  5.00000000\n"
                         "\n"
                         "Węzeł\tPrzemieszczenie\n"
                         "1\t0.000000001000000\n"
                         "2\t0.100000001490116\n"
                         "3\t0.200000002980232\n"
                         "\n"
                         "Podpora w węźle\tReakcja podpory\n"
                         "1\t-10.000000000000000\n");
}

TEST_F(ZentaOblicz, JsonHoldsEveryFloatSoItReadsBackExactly)
{
    OpisPreta opis = pret_dwuelementowy();
    opis.alp = {0.0f, 0.001f}; // element 2 heated: its mechanical strain is the total less α·ΔT
    opis.dt = {0.0f, 10.0f};
    const Wynik w = uruchom("--json " + zapisz_model(opis));
    EXPECT_EQ(w.kod, 0);
    EXPECT_EQ(w.wyjscie, "{\"il_elem\":2,\"il_wezl\":3,\"il_podpor\":1,\"il_obciaz\":1,"
                         "\"f\":[9.99999972e-10,0.100000001,0.219999999],\"stress\":[10,5],\"react\":[-10],"
                         "\"L\":[1,2],\"N\":[10,10],\"eps\":[0.1,0.0599999987],\"eps_T\":[0,0.0100000005],"
                         "\"eps_m\":[0.1,0.0499999982],\"dL\":[0.1,0.119999997]}\n");
}

TEST_F(ZentaOblicz, NonFiniteResultsArePrintedThenSaidToBeSoWithStatus7)
{
    OpisPreta opis = pret_dwuelementowy();
    opis.x = {0.0f, 1.0f, 1.0f}; // a zero-length element
    const std::string model = zapisz_model(opis);
    const Wynik json = uruchom("--json " + model);
    EXPECT_EQ(json.kod, 7);
    const std::string obiekt = json.wyjscie.substr(0, json.wyjscie.find('\n'));
    EXPECT_NE(obiekt.find("null"), std::string::npos);
    EXPECT_EQ(obiekt.find("nan"), std::string::npos);
    const Wynik tabela = uruchom(model);
    EXPECT_EQ(tabela.kod, 7);
    EXPECT_NE(tabela.wyjscie.find("nan"), std::string::npos);
    EXPECT_NE(tabela.wyjscie.find("\nWyniki nie są liczbami: przemieszczenie węzła 1 wynosi nan (przyczyna: Element 2: "
                                  "długość zerowa"),
              std::string::npos)
        << tabela.wyjscie;
}

TEST_F(ZentaOblicz, DataAndCsvListTheirBlocks)
{
    const std::string model = zapisz_model(pret_dwuelementowy());
    EXPECT_NE(uruchom("--dane " + model).wyjscie.find("2\t   2.000\t 100.000\t   0.000\t   0.000\n"), std::string::npos);
    const Wynik csv = uruchom("--csv " + model);
    EXPECT_EQ(csv.kod, 0);
    EXPECT_NE(csv.wyjscie.find("element,naprężenie,długość,siła_osiowa,odkształcenie,odkształcenie_termiczne,"
                               "odkształcenie_mechaniczne,wydłużenie\n1,10,1,10,0.1,0,0.1,0.1\n"
                               "2,5,2,10,0.0500000007,0,0.0500000007,0.100000001\n"),
              std::string::npos);
    EXPECT_NE(csv.wyjscie.find("podpora_w_węźle,reakcja\n1,-10\n"), std::string::npos);
}

// Wall at node 1, q = 2 on a unit bar, a unit spring at node 2: u2 = 0.5, and
// inside the element u(x) = 1.5·x − x², so N runs from 1.5 to −0.5 and u peaks
// at x = 0.75 with 0.5625; the spring carries −0.5. No M1D file can hold it.
TEST_F(ZentaOblicz, LoadsAlongTheBarAndSpringsHaveTheirKeysAndKeepOutOfM1D)
{
    const std::string model = (katalog_ / "q.txt").string(), m1d = (katalog_ / "q.M1D").string();
    std::ofstream(model) << "elementy 1\nobciążenia 1\npodpory 1\nwspółrzędne 0 1\npola 1\nmoduły 1\n"
                            "rozszerzalności 0\ntemperatury 0\nsiły 0 0\nwęzły_podpór 1\nwymuszenia 0\n"
                            "obciążenia_ciągłe 2\nsprężyny 2 0.25 2 0.75\n";
    const Wynik w = uruchom("--json " + model);
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(w.wyjscie)).object();
    const std::map<const char*, double> oczekiwane = {{"q", 2.0},          {"sigma_pocz", 1.5}, {"sigma_kon", -0.5},
                                                      {"u_ekstr", 0.5625}, {"x_ekstr", 0.75}, {"stress", 0.5}};
    for (const auto& [klucz, wartosc] : oczekiwane)
        EXPECT_NEAR(o[klucz].toArray()[0].toDouble(), wartosc, 1e-6) << klucz;
    const QJsonArray sprezyny = o["sprezyny"].toArray();
    ASSERT_EQ(sprezyny.size(), 1); // two entries at one node are one spring
    EXPECT_EQ(sprezyny[0]["wezel"].toInt(), 2);
    EXPECT_EQ(sprezyny[0]["k"].toDouble(), 1.0);
    EXPECT_NEAR(sprezyny[0]["sila"].toDouble(), -0.5, 1e-6);
    EXPECT_NE(uruchom("--csv " + model).wyjscie.find("\nsprężyna_w_węźle,sztywność,siła\n2,1,-0.5"), std::string::npos);

    const Wynik z = uruchom("--z-tekstu " + model + " -o " + m1d);
    EXPECT_EQ(z.kod, 8);
    EXPECT_NE(z.wyjscie.find("plik M1D nie pomieści"), std::string::npos) << z.wyjscie;
    EXPECT_FALSE(fs::exists(m1d));
}

TEST_F(ZentaOblicz, FailuresHaveTheirOwnTextsAndExitStatuses)
{
    const std::string nie_ma = (katalog_ / "nie_ma.M1D").string();
    const Wynik brak = uruchom(nie_ma);
    EXPECT_EQ(brak.kod, 3);
    EXPECT_EQ(brak.wyjscie, "Nie można otworzyć pliku: " + nie_ma + ": nie ma takiego pliku\n");

    const std::string krotki = zapisz_bajty(std::string("\x02\0\0\0\x01\0\0\0\x01\0\0\0", 12));
    const Wynik zly = uruchom(krotki);
    EXPECT_EQ(zly.kod, 4);
    EXPECT_EQ(zly.wyjscie, "Błędny plik z danymi: " + krotki + ": plik ma 12 bajtów, a liczności wymagają 76\n");
    EXPECT_EQ(uruchom("--sprawdz " + krotki).wyjscie, zly.wyjscie);

    EXPECT_EQ(uruchom("").kod, 2);
    EXPECT_EQ(uruchom("--rysunek x.svg --rozmiar 150x400 " + krotki).kod, 2); // a size that shows no bar
    EXPECT_EQ(uruchom("--nieznana x.M1D").kod, 2);
    EXPECT_EQ(uruchom("--json --csv x.M1D").kod, 2);
}

namespace {

// The SVG's rectangles painted in order (a shape defined once painted
// wherever it is used) give the PNG's pixels; only the glyphs inside the text
// boxes are left to the SVG viewer's fonts.
// Whether the whole line is what the sscanf format describes (its last
// conversion a %n).
template <typename... Pola>
bool caly_wiersz(const std::string& wiersz, const char* wzor, Pola*... pola)
{
    int koniec = -1;
    std::sscanf(wiersz.c_str(), wzor, pola..., &koniec);
    return koniec == int(wiersz.size());
}

QImage z_prostokatow_svg(const std::string& svg, int w, int h, std::vector<QRect>& ramki_napisow)
{
    QImage obraz(w, h, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    std::map<std::string, std::vector<std::pair<QRect, QColor>>> ksztalty;
    std::string definiowany;
    std::istringstream wiersze(svg);
    QRect ostatni;
    for (std::string wiersz; std::getline(wiersze, wiersz);) {
        int x = 0, y = 0, szer = 0, wys = 0;
        char kolor[7] = {}, nazwa[64] = {};
        if (caly_wiersz(wiersz, "<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" fill=\"#%6[0-9a-f]\"/>%n", &x,
                        &y, &szer, &wys, kolor)) {
            ostatni = QRect(x, y, szer, wys);
            const QColor barwa(QString("#") + kolor);
            if (definiowany.empty())
                QPainter(&obraz).fillRect(ostatni, barwa);
            else
                ksztalty[definiowany].emplace_back(ostatni, barwa);
        } else if (caly_wiersz(wiersz, "<defs><g id=\"%63[A-Za-z0-9_]\">%n", nazwa)) {
            definiowany = nazwa;
        } else if (wiersz == "</g></defs>") {
            definiowany.clear();
        } else if (caly_wiersz(wiersz, "<use xlink:href=\"#%63[A-Za-z0-9_]\" x=\"%d\" y=\"%d\"/>%n", nazwa, &x, &y)) {
            for (const auto& [r, barwa] : ksztalty[nazwa])
                QPainter(&obraz).fillRect(r.translated(x, y), barwa);
        } else if (wiersz.starts_with("<text")) {
            ramki_napisow.push_back(ostatni);
        }
    }
    return obraz;
}

} // namespace

TEST_F(ZentaOblicz, TheSvgPictureHasThePixelsOfThePngAndBothTheirSizes)
{
    OpisPreta opis = pret_dwuelementowy();
    opis.podpory.push_back({3, 0.001f});
    const std::string model = zapisz_model(opis);
    const std::string svg = (katalog_ / "pret.svg").string(), png = (katalog_ / "pret.png").string();
    const Wynik w_svg = uruchom("--rysunek " + svg + " --napr --rozmiar 640x400 " + model);
    EXPECT_EQ(w_svg.kod, 0);
    EXPECT_EQ(w_svg.wyjscie, "");
    EXPECT_EQ(uruchom("--rysunek " + png + " --napr --rozmiar 640x400 " + model).kod, 0);
    std::vector<QRect> napisy;
    const QImage z_svg = z_prostokatow_svg(zawartosc(svg), 640, 400, napisy);
    const QImage z_png = QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(z_png.size(), QSize(640, 400));
    EXPECT_EQ(napisy.size(), 9u);
    int rozne = 0;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 640; ++x) {
            const bool w_napisie = std::any_of(napisy.begin(), napisy.end(), [&](const QRect& r) { return r.contains(x, y); });
            rozne += !w_napisie && z_svg.pixel(x, y) != z_png.pixel(x, y);
        }
    EXPECT_EQ(rozne, 0);

    EXPECT_EQ(uruchom("--rysunek " + png + " " + model).kod, 0);
    EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(1280, 800)); // the default size
}

// ---- checks, verification, derived values ----

// What the check says is the test of narzedzia; here its statuses: 6 for an
// error and for warnings alone.
TEST_F(ZentaOblicz, CheckHasItsOwnStatus)
{
    OpisPreta opis = pret_dwuelementowy();
    opis.e = {200000.0f, 200000.0f};
    EXPECT_EQ(uruchom("--sprawdz " + zapisz_model(opis)).wyjscie,
              "Sprawdzenie modelu (elementów: 2, węzłów: 3, podpór: 1)\nNie znaleziono usterek.\n");
    const Wynik uwagi = uruchom("--sprawdz " + zapisz_model(pret_dwuelementowy())); // strains of 10 %
    EXPECT_EQ(uwagi.kod, 6);
    EXPECT_NE(uwagi.wyjscie.find("\nBłędów: 0, uwag: 2.\n"), std::string::npos) << uwagi.wyjscie;
    opis.x = {0.0f, 1.0f, 1.0f};
    EXPECT_EQ(uruchom("--sprawdz " + zapisz_model(opis)).kod, 6);
    EXPECT_EQ(uruchom("--sprawdz --json " + zapisz_model(opis)).kod, 2);
}

// The verification's figures are the tests of narzedzia; here the three ways it is printed.
TEST_F(ZentaOblicz, VerificationFollowsTheResults)
{
    const std::string model = zapisz_model(pret_dwuelementowy()), svg = (katalog_ / "pret.svg").string();
    const Wynik tekst = uruchom("--bilans --rysunek " + svg + " " + model); // a picture and the results
    EXPECT_EQ(tekst.kod, 0);
    EXPECT_TRUE(tekst.wyjscie.starts_with("Element\tNaprężenie\n")) << tekst.wyjscie;
    EXPECT_NE(tekst.wyjscie.find("\nWeryfikacja\nRównowaga całego pręta: suma sił węzłowych 10"), std::string::npos);
    EXPECT_TRUE(fs::exists(svg));
    const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(uruchom("--json --bilans " + model).wyjscie));
    EXPECT_EQ(json["bilans"]["naprezenia"]["gdzie"].toInt(), 1);
    EXPECT_NE(uruchom("--csv --bilans " + model).wyjscie.find("\nwielkość,różnica,bezwzględna,gdzie,"), std::string::npos);
}

// ---- diagrams and the report ----

TEST_F(ZentaOblicz, EachDiagramTakesItsKindAndFileAnywhereOnTheLine)
{
    const std::string model = zapisz_model(pret_dwuelementowy());
    const fs::path n = katalog_ / "n.svg", u = katalog_ / "u.png";
    EXPECT_EQ(uruchom("--wykres N " + n.string() + " " + model + " --wykres=u " + u.string()).kod, 0);
    EXPECT_TRUE(fs::exists(n) && fs::exists(u));
    EXPECT_EQ(uruchom(model + " --wykres N").wyjscie,
              "Po --wykres podaj rodzaj (N, napr albo u) i plik wykresu (.svg albo .png).\n");
    EXPECT_EQ(uruchom("--wykres N --json " + model).kod, 2);
    EXPECT_EQ(uruchom("--wykres M x.svg " + model).wyjscie, "Nieznany rodzaj wykresu „M”: podaj N, napr albo u.\n");
}

// ---- text models ----

TEST_F(ZentaOblicz, ABrokenTextModelNamesItsLine)
{
    const fs::path txt = katalog_ / "zly.txt";
    std::ofstream(txt) << "elementy 1\npodpory 1\nobciążenia 1\nwspółrzędne 0 1\npola 1e400\n";
    const Wynik w = uruchom(txt.string());
    EXPECT_EQ(w.kod, 4);
    EXPECT_EQ(w.wyjscie, "Błędny plik z danymi: " + txt.string() +
                             ": wiersz 5: liczba „1e400” wykracza poza zakres liczb pojedynczej precyzji\n");
    EXPECT_EQ(uruchom("--z-tekstu " + txt.string()).kod, 2); // no -o
    EXPECT_EQ(uruchom("--z-tekstu " + txt.string() + " -o " + (katalog_ / "x.M1D").string()).kod, 4);
    EXPECT_FALSE(fs::exists(katalog_ / "x.M1D"));
}

// ---- special files ----

namespace {

// A FIFO made by the test and read to its end in a thread. The test holds a
// writing end too, so that the reader sees no end before the program came.
class CzytelnikPotoku {
public:
    explicit CzytelnikPotoku(const std::string& sciezka)
    {
        ::mkfifo(sciezka.c_str(), 0600);
        odbior_ = ::open(sciezka.c_str(), O_RDONLY | O_NONBLOCK);
        ::fcntl(odbior_, F_SETFL, 0);
        trzymany_ = ::open(sciezka.c_str(), O_WRONLY);
        watek_ = std::thread([this] {
            char bufor[4096];
            for (ssize_t n; (n = ::read(odbior_, bufor, sizeof bufor)) > 0;)
                odebrane_.append(bufor, std::size_t(n));
        });
    }
    ~CzytelnikPotoku() { odebrane(); }
    const std::string& odebrane()
    {
        if (watek_.joinable()) {
            ::close(trzymany_);
            watek_.join();
            ::close(odbior_);
        }
        return odebrane_;
    }

private:
    int odbior_ = -1, trzymany_ = -1;
    std::string odebrane_;
    std::thread watek_;
};

} // namespace

TEST_F(ZentaOblicz, WhatIsNotARegularFileIsRefusedAtOnceWithItsReason)
{
    fs::create_directories(katalog_ / "katalog.txt");
    fs::create_directories(katalog_ / "katalog.M1D");
    ::mkfifo((katalog_ / "potok.txt").c_str(), 0600);
    ::mkfifo((katalog_ / "potok").c_str(), 0600);
    fs::create_symlink("/dev/zero", katalog_ / "zera.txt");
    fs::create_symlink(katalog_ / "petla.M1D", katalog_ / "petla.M1D");
    sockaddr_un gniazdo{AF_UNIX, {}};
    (katalog_ / "gniazdo.M1D").string().copy(gniazdo.sun_path, sizeof gniazdo.sun_path - 1);
    ASSERT_EQ(
        ::bind(::socket(AF_UNIX, SOCK_STREAM, 0), reinterpret_cast<sockaddr*>(&gniazdo), sizeof gniazdo), 0);
    const std::pair<const char*, const char*> pliki[] = {{"katalog.txt", "to jest katalog"},
                                                         {"katalog.M1D", "to jest katalog"},
                                                         {"potok.txt", "to jest potok (FIFO), nie plik"},
                                                         {"potok", "to jest potok (FIFO), nie plik"},
                                                         {"zera.txt", "to jest urządzenie, nie plik"},
                                                         {"petla.M1D", "za dużo dowiązań symbolicznych"},
                                                         {"gniazdo.M1D", "to jest gniazdo, nie plik"}};
    const std::string wyjscie = " -o " + (katalog_ / "x.M1D").string();
    for (const auto& [nazwa, powod] : pliki)
        for (const std::string tryb : {"", "--sprawdz ", "--do-tekstu ", "--z-tekstu "}) {
            const std::string plik = (katalog_ / nazwa).string();
            const Wynik w = uruchom(tryb + plik + (tryb == "--z-tekstu " ? wyjscie : ""));
            EXPECT_EQ(w.kod, 3) << tryb << nazwa;
            EXPECT_TRUE(w.wyjscie.starts_with("Nie można otworzyć pliku: " + plik + ": " + powod)) << w.wyjscie;
        }
    EXPECT_FALSE(fs::exists(katalog_ / "x.M1D"));
}

// Every output goes through the one writer: into a FIFO, never replacing it.
TEST_F(ZentaOblicz, EveryOutputWritesIntoAFifo)
{
    const std::string model = zapisz_model(pret_dwuelementowy());
    const std::string wyjscia[] = {"--do-tekstu " + model + " -o ",
                                   "--z-tekstu " + (katalog_ / "m.txt").string() + " -o ",
                                   model + " --rozmiar 400x300 --rysunek=",
                                   model + " --wykres u ", model + " --raport "};
    uruchom("--do-tekstu " + model + " -o " + (katalog_ / "m.txt").string());
    for (const std::string& polecenie : wyjscia) {
        const std::string potok = (katalog_ / "wyjscie.svg").string();
        CzytelnikPotoku czytelnik(potok);
        const Wynik w = uruchom(polecenie + potok);
        EXPECT_EQ(w.kod, 0) << polecenie << w.wyjscie;
        EXPECT_GE(czytelnik.odebrane().size(), 76u) << polecenie; // the smallest, the M1D file
        EXPECT_TRUE(fs::is_fifo(potok));
        fs::remove(potok);
    }
}

// The table the window's save runs too: each target refused with its reason
// before anything is written, or written as the shell's `>` would write it,
// and no temporary left anywhere.
TEST_F(ZentaOblicz, HostileTargetsAreRefusedOrWrittenAsTheShellWouldWithNothingLeft)
{
    const std::string model = zapisz_model(pret_dwuelementowy()), nowe = zawartosc(model);
    for (WrogiCel& cel : wrogie_cele(katalog_)) {
        const std::string sciezka = cel.przygotuj();
        if (sciezka.empty())
            continue;
        const Wynik w = uruchom_w_powloce(jako_zapisujacy(cel.pelny_dysk) + ZENTA_OBLICZ + " --z-tekstu " +
                                          model + " -o " + sciezka);
        EXPECT_EQ(w.kod, cel.powod.empty() ? 0 : 5) << cel.nazwa;
        EXPECT_EQ(w.wyjscie,
                  cel.powod.empty() ? "" : "Nie można zapisać do pliku: " + sciezka + ": " + cel.powod + "\n")
            << cel.nazwa;
        EXPECT_EQ(cel.sprawdz(nowe), "") << cel.nazwa;
    }
}

// Standard output that takes nothing (closed, or a pipe nobody reads: every
// write fails, as on a full disk) is said with where and why in every mode;
// an output that is the model's own file is refused before anything is read.
TEST_F(ZentaOblicz, FailedWritesToStandardOutputAndOutputsOverTheModelAreSaid)
{
    const std::string model = zapisz_model(pret_dwuelementowy()), program = ZENTA_OBLICZ;
    int potok[2];
    ASSERT_EQ(::pipe(potok), 0);
    ::close(potok[0]);
    for (const std::string& polecenie : {std::string("--pomoc"), std::string("--wersja"), model,
                                         "--sprawdz " + model, "--do-tekstu " + model})
        for (const auto& [wyjscie, powod] :
             {std::pair<std::string, std::string>{">&-", "deskryptor jest zamknięty"},
              {">&" + std::to_string(potok[1]), "odbiorca zamknął potok"}}) {
            const Wynik w = uruchom_w_powloce("trap '' PIPE; " + program + " " + polecenie + " " + wyjscie);
            EXPECT_EQ(w.kod, 5) << polecenie;
            EXPECT_EQ(w.wyjscie, "Nie można zapisać wyników: standardowe wyjście: " + powod + "\n")
                << polecenie;
        }
    ::close(potok[1]);

    const std::string txt = (katalog_ / "model.txt").string(), link = (katalog_ / "link.html").string();
    uruchom("--do-tekstu " + model + " -o " + txt);
    fs::create_symlink(txt, link);
    const std::string tekst = zawartosc(txt);
    for (const auto& [polecenie, co] :
         {std::pair<std::string, std::string>{"--raport " + link + " " + txt, "Plik wynikowy „" + link + "”"},
          {"--z-tekstu " + txt + " -o " + txt, "Plik wynikowy „" + txt + "”"},
          {"--do-tekstu - < " + txt + " >> " + txt, "Standardowe wyjście"}}) {
        const Wynik w = uruchom(polecenie);
        EXPECT_EQ(w.kod, 2) << polecenie;
        EXPECT_EQ(w.wyjscie, co + " to plik modelu: zapis zniszczyłby model.\n");
    }
    EXPECT_EQ(zawartosc(txt), tekst);
}

// Names are opened and written byte for byte, and shown so that they do no
// harm: the report stays valid UTF-8, a terminal is shown escape sequences
// instead of obeying them.
TEST_F(ZentaOblicz, NamesAreUsedByteForByteAndShownSafely)
{
    const fs::path model = katalog_ / "model\xff.M1D", tekst = katalog_ / "wynik\xfe.txt";
    fs::copy_file(zapisz_model(pret_dwuelementowy()), model);
    EXPECT_EQ(uruchom("--do-tekstu " + model.string() + " -o " + tekst.string()).kod, 0);
    EXPECT_TRUE(fs::exists(tekst));
    const std::string brak = (katalog_ / "brak\xfd.M1D").string();
    EXPECT_EQ(uruchom(brak).wyjscie, "Nie można otworzyć pliku: " + brak + ": nie ma takiego pliku\n");

    const std::string raport = (katalog_ / "raport.html").string();
    EXPECT_EQ(uruchom("--raport " + raport + " " + model.string()).kod, 0);
    const QByteArray html = QByteArray::fromStdString(zawartosc(raport));
    EXPECT_TRUE(QString::fromUtf8(html).toUtf8() == html && html.contains("Model <b>model\\xFF.M1D</b>"));
    EXPECT_EQ(uruchom("'" + katalog_.string() + "/\x1b]0;tytuł\x07.M1D'").wyjscie,
              "Nie można otworzyć pliku: " + katalog_.string() +
                  "/\\x1B]0;tytuł\\x07.M1D: nie ma takiego pliku\n");
}

TEST_F(ZentaOblicz, DashIsStandardInputAndOutputAndAPictureNameSaysItsFormat)
{
    const std::string model = zapisz_model(pret_dwuelementowy()), program = ZENTA_OBLICZ;
    const Wynik przez_potoki = uruchom_w_powloce(program + " --do-tekstu " + model + " | " + program +
                                                 " --z-tekstu - -o - | " + program + " -");
    EXPECT_EQ(przez_potoki.kod, 0);
    EXPECT_EQ(przez_potoki.wyjscie, uruchom(model).wyjscie);
    const std::string txt = (katalog_ / "pret.txt").string();
    EXPECT_EQ(uruchom("--do-tekstu " + model + " -o " + txt).kod, 0);
    EXPECT_EQ(uruchom(txt).wyjscie, przez_potoki.wyjscie); // a text model is analysed like its file
    const fs::path bez_nazwy = katalog_ / "model_bez_rozszerzenia";
    fs::copy_file(model, bez_nazwy);
    EXPECT_EQ(uruchom(bez_nazwy.string()).wyjscie, przez_potoki.wyjscie); // M1D by its content

    const Wynik jpg = uruchom(model + " --wykres N " + (katalog_ / "wykres.jpg").string());
    EXPECT_EQ(jpg.kod, 2);
    EXPECT_EQ(jpg.wyjscie, "Plik rysunku „" + (katalog_ / "wykres.jpg").string() +
                               "” musi mieć rozszerzenie .svg albo .png.\n");
    EXPECT_EQ(uruchom(model + " --rysunek " + (katalog_ / "rysunek").string()).kod, 2);
    EXPECT_FALSE(fs::exists(katalog_ / "wykres.jpg"));
}
