#include "swiat.h"

#include "cele_zapisu.h"
#include "dane.h"
#include "menu.h"
#include "model.h"
#include "polecenia.h"
#include "otwieranie_pomocy.h"
#include "pomoc.h"
#include "rur1a.h"
#include "start.h"
#include "teksty.h"
#include "wlacznik.h"
#include "wsp.h"
#include "wyniki.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPixmap>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>

#include <sys/stat.h>

namespace {

using Ikona = _ROZMOWA_::Ikona;
using Wybor = _ROZMOWA_::Wybor;
using Okno = Swiat;

// The popup of the menu bar that is open ("" for none).
std::string otwarte_menu()
{
    const auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    return menu ? menu->title().toStdString() : "";
}

void zamknij_menu()
{
    while (QWidget* popup = QApplication::activePopupWidget())
        QTest::keyClick(popup, Qt::Key_Escape);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
}

} // namespace

// ---- start-up ----

TEST_F(Okno, AltPOpensPlikEveryTimeAndPAgainMovesOnToPomoc)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(ramka));
    for (int k = 0; k < 3; ++k) {
        QTest::keyClick(ramka, Qt::Key_P, Qt::AltModifier);
        EXPECT_EQ(otwarte_menu(), "&Plik") << "Alt+P, time " << k + 1;
        zamknij_menu();
    }
    for (int k = 0; k < 3; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Alt);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);
        EXPECT_EQ(otwarte_menu(), "&Plik") << "Alt then P, time " << k + 1;
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_P);
        EXPECT_EQ(otwarte_menu(), "&Pomoc") << "P again, time " << k + 1;
        zamknij_menu();
    }
}

TEST_F(Okno, EveryCommandIdOfTheMenuAndTheTwoHiddenOnesHasAHandler)
{
    for (QAction* popup : ramka->menuBar()->actions())
        for (QAction* a : popup->menu()->actions())
            EXPECT_TRUE(a->isSeparator() || znajdz_polecenie(a->data().toInt())) << a->text().toStdString();
    EXPECT_EQ(znajdz_polecenie(1030)->obsluga, znajdz_polecenie(1060)->obsluga);
    EXPECT_TRUE(znajdz_polecenie(1110)->wlacznik);
}

// `man zenta` describes every item of the window's menu, by the name the
// window shows, under its popup, with its keys.
TEST(Dokumentacja, ManZentaDescribesEveryItemOfTheMenuWithItsKeys)
{
    QFile strona(ZENTA_MAN);
    ASSERT_TRUE(strona.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList wiersze = QString::fromUtf8(strona.readAll()).split('\n');
    const auto bez_mnemonika = [](const char* tekst) { return QString::fromUtf8(tekst).remove('&'); };
    for (const PozycjaMenu& p : menu_1000()) {
        const qsizetype popup = wiersze.indexOf(".SS " + bez_mnemonika(p.popup));
        ASSERT_GE(popup, 0) << p.popup;
        if (!p.tekst)
            continue;
        // The whole line: the tag of a paragraph, perhaps with its keys after it.
        const QRegularExpression opis("\\.BR? \"?" + QRegularExpression::escape(bez_mnemonika(p.tekst)) + "\"?( .*)?");
        const qsizetype w = wiersze.indexOf(opis, popup);
        ASSERT_GE(w, 0) << p.tekst;
        for (const QString& klawisz : QString::fromUtf8(p.skroty ? p.skroty : "").split("; ", Qt::SkipEmptyParts))
            EXPECT_TRUE(wiersze[w].contains(klawisz)) << p.tekst << " " << klawisz.toStdString();
    }
}

// What a file manager starts: `zenta FILE`.
TEST(Rur1a, AModelNamedAtStartIsOpenedOnceTheFrameShows)
{
    QTemporaryDir katalog;
    const QString plik = katalog.filePath("pręt.M1D");
    ASSERT_TRUE(zapisz_plik_modelu(pret_dwuelementowy(), QFile::encodeName(plik).toStdString()));
    const Start start = rozbierz_start({"zenta", plik});
    ASSERT_EQ(start.co, Start::Co::okno);
    _RUR1A_ aplikacja;
    aplikacja.plik_startowy = start.plik;
    aplikacja.InitMainWindow();
    EXPECT_TRUE(Pusty); // not before the frame is up
    QApplication::processEvents();
    EXPECT_FALSE(Pusty);
    EXPECT_EQ(il_elem, 2);
    EXPECT_FLOAT_EQ(stress[2], 5.0f);
    delete fw;
    fw = nullptr;
    usun_model();
}

namespace {

// An empty file that stands for a document.
QString dokument(const QString& sciezka)
{
    QDir().mkpath(QFileInfo(sciezka).path());
    QFile(sciezka).open(QIODevice::WriteOnly);
    return sciezka;
}

} // namespace

TEST(Pomoc, VeluChmFirstThenTheManualBesideTheProgramOrInTheDataFolders)
{
    QTemporaryDir roboczy, instalacja, dane;
    const QByteArray dane_systemu = qgetenv("XDG_DATA_DIRS");
    QStandardPaths::setTestModeEnabled(true); // the user's own data folder stays out of it,
    qputenv("XDG_DATA_DIRS", QFile::encodeName(dane.path())); // and the system's
    const QString bin = instalacja.filePath("bin");
    QDir().mkpath(bin);
    const auto dokumenty = [&] { return dokumenty_pomocy(QDir(roboczy.path()), bin).join(" ").toStdString(); };
    EXPECT_EQ(dokumenty(), "");
    const QString w_danych = dokument(dane.filePath("zenta/podrecznik.html"));
    EXPECT_EQ(dokumenty(), w_danych.toStdString());
    const QString obok = dokument(instalacja.filePath("share/zenta/podrecznik.html"));
    EXPECT_EQ(dokumenty(), obok.toStdString());
    dokument(roboczy.filePath("velu.chm"));
    EXPECT_EQ(dokumenty(), "velu.chm " + obok.toStdString());
    qputenv("XDG_DATA_DIRS", dane_systemu);
    QStandardPaths::setTestModeEnabled(false);
}

// No browser: xdg-open fails as it does then, or there is none. Each document
// went to it in turn with the user's own locale, not ZENTA's Polish one, and
// the manual opens in the program's own window with every picture it shows.
TEST(Pomoc, WithoutABrowserTheManualOpensInTheProgramsOwnWindowWithItsPictures)
{
    QTemporaryDir bez_przegladarki, bez_xdg_open;
    const QString dziennik = bez_przegladarki.filePath("xdg-open.log");
    QFile xdg_open(bez_przegladarki.filePath("xdg-open"));
    ASSERT_TRUE(xdg_open.open(QIODevice::WriteOnly));
    xdg_open.write("#!/bin/sh\nprintf '%s %s\\n' \"$1\" \"${LC_MESSAGES-brak}\" >> \"$0.log\"\nexit 3\n");
    xdg_open.close();
    xdg_open.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray sciezka = qgetenv("PATH");
    const QString podrecznik = ZENTA_PODRECZNIK;
    QWidget okno;
    for (const QTemporaryDir* katalog : {&bez_przegladarki, &bez_xdg_open}) {
        qputenv("PATH", QFile::encodeName(katalog->path()));
        otworz_pomoc(&okno, {"velu.chm", podrecznik});
        QTextBrowser* pomoc = nullptr;
        EXPECT_TRUE(QTest::qWaitFor([&] { return (pomoc = okno.findChild<QTextBrowser*>()) != nullptr; }));
        if (!pomoc)
            break;
        EXPECT_TRUE(pomoc->isVisible());
        EXPECT_EQ(pomoc->source(), QUrl::fromLocalFile(podrecznik));
        EXPECT_TRUE(pomoc->windowTitle().endsWith("podręcznik")) << pomoc->windowTitle().toStdString();
        const QString html = QString::fromUtf8(zawartosc(podrecznik));
        int obrazy = 0;
        for (const QRegularExpressionMatch& m : QRegularExpression("<img src=\"([^\"]+)\"").globalMatch(html)) {
            const QVariant dane = pomoc->document()->resource(QTextDocument::ImageResource, QUrl(m.captured(1)));
            EXPECT_FALSE(dane.value<QPixmap>().isNull()) << m.captured(1).toStdString(); // as the page paints it
            ++obrazy;
        }
        EXPECT_GE(obrazy, 7);
        delete pomoc;
    }
    qputenv("PATH", sciezka);
    const QString cwd = QDir::current().absoluteFilePath("velu.chm");
    EXPECT_EQ(zawartosc(dziennik).toStdString(), (cwd + " C.UTF-8\n" + podrecznik + " C.UTF-8\n").toStdString());
}

// ---- small commands ----

TEST_F(Okno, ExitAnsweredNoKeepsRunningAndYesEndsWithoutASecondQuestion)
{
    skrypt->oczekuj_pytania("Zakończyć działanie programu ?", "ZENTA", false);
    EXPECT_FALSE(ramka->close()); // the close box asks the same question
    skrypt->oczekuj_pytania("Zakończyć działanie programu ?", "ZENTA", false);
    okno->polecenie(1040);
    EXPECT_TRUE(ramka->isVisible());
    skrypt->oczekuj_pytania("Zakończyć działanie programu ?", "ZENTA", true);
    okno->polecenie(1040);
    QApplication::processEvents();
    EXPECT_TRUE(!ramka || !ramka->isVisible());
}

TEST_F(Okno, CommandsThatNeedAModelDoNothingWithoutOne)
{
    for (int id : {1010, 1060, 1030, 1130, 1140})
        okno->polecenie(id);
    EXPECT_TRUE(Pusty);
    EXPECT_FALSE(okno->okno_dane());
    EXPECT_FALSE(okno->okno_wyniki());
}

TEST_F(Okno, ReleasingADamagedModelOrNoneSaysSo)
{
    otworz(plik_modelu(pret_dwuelementowy()));
    il_obciaz = 0;
    skrypt->oczekuj_pytania("Nie zwolnił pamięci!!", "UWAGA", false);
    okno->Zwol_pam();
    EXPECT_FALSE(Pusty);
    il_obciaz = 1;
    okno->Zwol_pam();
    EXPECT_TRUE(Pusty);
    skrypt->oczekuj_pytania("Nie zwolnił Pusty=TRUE!", "UWAGA", true);
    okno->Zwol_pam();
}

// ---- open and save ----

// The table zenta-oblicz runs too, through "Zapisz Jako": the file opened
// written back byte for byte, or refused.
TEST_F(Okno, SavingWritesTheFileBackOrIsRefusedAsTheShellWould)
{
    const QString model = plik_modelu(pret_dwuelementowy());
    otworz(model);
    for (WrogiCel& cel : wrogie_cele(QFile::encodeName(katalog.path()).toStdString())) {
        const std::string sciezka = cel.przygotuj();
        if (sciezka.empty())
            continue;
        const QString nazwa = QFile::decodeName(sciezka.c_str());
        skrypt->oczekuj_pliku(Wybor::zapisz, nazwa);
        if (!cel.powod.empty())
            skrypt->oczekuj_komunikatu("Nie można zapisać do pliku", "Błąd operacji dyskowej",
                                       Ikona::wykrzyknik, nazwa + ": " + QString::fromStdString(cel.powod));
        {
            const JakoZapisujacy jako(cel.pelny_dysk);
            okno->polecenie(1060);
        }
        EXPECT_EQ(cel.sprawdz(zawartosc(model).toStdString()), "") << cel.nazwa;
    }
}

TEST_F(Okno, OpenClosesTheTableWindowsEvenWhenCancelled)
{
    otworz(plik_modelu(pret_dwuelementowy()));
    okno->polecenie(1130);
    okno->polecenie(1140);
    QPointer<_WYNIKI_> wyniki = okno->okno_wyniki();
    QPointer<_DANE_> dane = okno->okno_dane();
    skrypt->oczekuj_pliku(Wybor::otworz, std::nullopt);
    okno->polecenie(1020);
    QApplication::processEvents();
    EXPECT_TRUE(!wyniki || !wyniki->isVisible());
    EXPECT_TRUE(!dane || !dane->isVisible());
}

TEST_F(Okno, RefreshRunsTheAnalysisAgain)
{
    otworz(plik_modelu(pret_dwuelementowy()));
    a[1] = 2.0f;
    okno->polecenie(1010);
    EXPECT_FLOAT_EQ(stress[1], 5.0f);
}

// Each refusal has its message; which file and why go behind the details
// button. A FIFO is refused at once instead of freezing the window.
TEST_F(Okno, EachOpenFailureHasItsMessageAndReasonAndTheModelSurvives)
{
    otworz(plik_modelu(pret_dwuelementowy()));
    const float* stare_x = x;
    const QString potok = katalog.filePath("potok.M1D"), pusty = katalog.filePath("pusty.M1D");
    ASSERT_EQ(::mkfifo(QFile::encodeName(potok).constData(), 0600), 0);
    QFile(pusty).open(QIODevice::WriteOnly);
    const std::tuple<QString, const char*, const char*> przypadki[] = {
        {katalog.filePath("nie_ma.M1D"), "Nie można otworzyć pliku", "nie ma takiego pliku"},
        {katalog.path(), "Nie można otworzyć pliku", "to jest katalog"},
        {potok, "Nie można otworzyć pliku", "to jest potok (FIFO), nie plik"},
        {pusty, "Błędny plik z danymi", "plik ma 0 bajtów, a same liczności zajmują 12"}};
    for (const auto& [plik, tekst, powod] : przypadki) {
        skrypt->oczekuj_pliku(Wybor::otworz, plik);
        skrypt->oczekuj_komunikatu(tekst, "Błąd operacji dyskowej", Ikona::wykrzyknik, plik + ": " + powod);
        okno->polecenie(1020);
    }
    skrypt->oczekuj_pliku(Wybor::otworz, std::nullopt); // cancelled
    okno->polecenie(1020);
    EXPECT_EQ(x, stare_x);
    EXPECT_FLOAT_EQ(stress[1], 10.0f);
}

// ---- results that cannot be trusted ----

TEST_F(Okno, ResultsThatAreNotNumbersAreSaidToBeSoOnceAfterEachAnalysis)
{
    OpisPreta opis = pret_dwuelementowy();
    opis.x = {0.0f, 1.0f, 1.0f}; // a zero-length element
    const QString tekst = QString(teksty::wyniki_nieliczbowe).arg("przemieszczenie węzła 1 wynosi nan") +
                          "\n\nElement 2: długość zerowa (x2 = 1, x3 = 1)"; // what --sprawdz says
    skrypt->oczekuj_pliku(Wybor::otworz, plik_modelu(opis));
    skrypt->oczekuj_komunikatu(tekst, "UWAGA", Ikona::wykrzyknik);
    okno->polecenie(1020);
    okno->repaint(); // not on a repaint
    skrypt->oczekuj_komunikatu(tekst, "UWAGA", Ikona::wykrzyknik);
    okno->polecenie(1010);
}

TEST_F(Okno, AfterAnOpenOneBoxListsTheFaultsThatMakeTheResultsWrong)
{
    OpisPreta opis = pret_dwuelementowy();
    opis.podpory = {{99, 0.0f}, {1, 0.0f}}; // moved to node 1 by the reader, then two on node 1
    skrypt->oczekuj_pliku(Wybor::otworz, plik_modelu(opis));
    skrypt->oczekuj_komunikatu(QString(teksty::usterki_wynikow) +
                                   "\n\nPodpora 1: w pliku węzeł 99 spoza 1..3; przyjęto węzeł 1"
                                   "\n\nWęzeł 1: 2 podpory (1, 2) z wymuszeniami 0, 0; kary się sumują, węzeł "
                                   "przyjmie ich średnią",
                               "UWAGA", Ikona::wykrzyknik);
    okno->polecenie(1020);
    EXPECT_FALSE(Pusty);
    otworz(plik_modelu(pret_dwuelementowy(), "zdrowy.M1D")); // nothing to say
}

// ---- the pointer ----

TEST_F(Okno, PointerMovesShowTheWholeCoordinateAndATipThatFollowsThePointer)
{
    QTest::mouseMove(okno, QPoint(100, 50));
    EXPECT_EQ(okno->okno_wsp()->tekst().toStdString(), "x=75.00"); // no model: origin 0, scale 1
    EXPECT_FALSE(okno->dymek()->isVisible());
    otworz(plik_modelu(pret_dwuelementowy()));
    x0 = 0.0f;
    sx = 100.0f; // node j at column 25 + 100·x
    for (const int kolumna : {30, 60, 90}) { // all in element 1
        QTest::mouseMove(okno, QPoint(kolumna, 300));
        EXPECT_TRUE(okno->dymek()->isVisible());
        EXPECT_EQ(okno->dymek()->text().toStdString(), "napr=    10.0");
        EXPECT_EQ(okno->dymek()->pos(), okno->mapToGlobal(QPoint(kolumna + 16, 316)));
    }
    QTest::mouseMove(okno, QPoint(10, 300));
    EXPECT_EQ(okno->okno_wsp()->tekst().toStdString(), "x=");
    x0 = 1015400.0f;
    sx = 1.0f;
    QTest::mouseMove(okno, QPoint(108, 300));
    EXPECT_EQ(okno->okno_wsp()->tekst().toStdString(), "x=1015483.00");
    const QLabel* xx = okno->okno_wsp()->findChild<QLabel*>("999");
    EXPECT_LE(xx->fontMetrics().horizontalAdvance(xx->text()), xx->width());
}

TEST_F(Okno, ThePointerOverTheReadOutIsNotOverTheBar)
{
    otworz(plik_modelu(pret_dwuelementowy()));
    QTest::mouseMove(okno, QPoint(100, 300));
    const QString przed = okno->okno_wsp()->tekst();
    QTest::mouseMove(okno->okno_wsp(), QPoint(50, 30));
    QTest::mouseClick(okno->okno_wsp(), Qt::LeftButton, {}, QPoint(50, 30)); // no question
    EXPECT_EQ(okno->okno_wsp()->tekst(), przed);
}

// The file dialog asks the system's locale for its sizes and dates.
TEST(PoPolsku, TheFileDialogsSizesAndDatesArePolishAndPrintfKeepsItsPoint)
{
    EXPECT_TRUE(QLocale::system().formattedDataSize(76).startsWith("76 bajt"));
    EXPECT_EQ(QLocale::system().formattedDataSize(24'000'000).toStdString(), "22,89 MiB");
    EXPECT_TRUE(QLocale::system().toString(QDate(2026, 12, 7), QLocale::LongFormat).contains("grudnia"));
    char liczba[8];
    std::snprintf(liczba, sizeof liczba, "%.1f", 0.5);
    EXPECT_STREQ(liczba, "0.5");
}
