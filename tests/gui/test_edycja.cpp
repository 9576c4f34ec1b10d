// Changing a held model in place: from the data window, undone and redone,
// saved and read as text, and followed as its file changes on disk.

#include "swiat.h"
#include "uzytkownik.h"

#include "dane.h"
#include "krok_przebudowy.h"
#include "m1d.h"
#include "model.h"
#include "obciazenia.h"
#include "pola_rekordu.h"
#include "plik_modelu.h"
#include "tekst_modelu.h"
#include "teksty.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QMouseEvent>
#include <QSaveFile>
#include <QTest>

#include <algorithm>
#include <bit>
#include <cstdio>

namespace {

// A double-click where row `wiersz` of a block stands (y of its text's top in
// the unscrolled table); the table is not scrolled.
void dwuklik(_DANE_* dane, int y_tekstu)
{
    QTest::mouseDClick(dane->viewport(), Qt::LeftButton, {}, QPoint(40, y_tekstu + 8));
}

// As an editor saves: a new file renamed over the old one.
void zapisz_jak_edytor(const QString& sciezka, const QByteArray& tresc)
{
    QSaveFile f(sciezka);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(tresc);
    ASSERT_TRUE(f.commit());
}

std::string tekst_preta(const OpisPreta& opis)
{
    Tablice t = zbuduj_tablice(opis);
    const std::string tekst = tekst_modelu(t);
    zwolnij_tablice(t);
    return tekst;
}

} // namespace

// ---- the data window, as a user at the keyboard meets it ----

using ZOknaDanych = ZKlawiatury;

TEST_F(ZOknaDanych, ADoubleClickedRowOpensItsDialogAndEveryWindowShowsTheChange)
{
    otworz(pret_dwuelementowy()); // nodes 0, 1, 3; 10 at node 3; support at node 1
    okno->polecenie(1140);
    okno->polecenie(1130);
    _DANE_* dane = okno->okno_dane();
    ASSERT_TRUE(dane);
    const int n = 2;

    dane->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dane));
    // Modal to the table asked from: closing it raises no frame over the other tables.
    Uzytkownik element({[dane](QWidget* d) {
        EXPECT_EQ(d->parentWidget(), dane);
        wpisz_i_enter({"4"})(d);
    }});
    dwuklik(dane, 20 * 2 + 30);
    EXPECT_TRUE(element.skonczyl());
    EXPECT_EQ(a[2], 4.0f);
    EXPECT_FLOAT_EQ(stress[2], 2.5f);

    Uzytkownik wezel({wpisz_i_enter({"5"}), [](QWidget* d) {
                          auto* nr = d->findChild<QLineEdit*>("8500");
                          EXPECT_TRUE(nr->isReadOnly()); // the node's own force
                          EXPECT_EQ(nr->text().trimmed().toStdString(), "3");
                          napisz("20");
                          nacisnij(Qt::Key_Return);
                      }});
    dwuklik(dane, 20 * n + 20 * 3 + 75);
    EXPECT_TRUE(wezel.skonczyl());
    EXPECT_EQ(x[3], 5.0f);
    EXPECT_EQ(si[3], 20.0f);
    EXPECT_FLOAT_EQ(stress[1], 20.0f);

    Uzytkownik podpora({wpisz_i_enter({"2", "0,5"})});
    dwuklik(dane, 40 * n + 20 * 1 + 165);
    EXPECT_TRUE(podpora.skonczyl());
    EXPECT_EQ(nu[1], 2);
    EXPECT_EQ(u[1], 0.5f);

    Uzytkownik anuluj({wpisz_i_enter({"2"}), klawisz(Qt::Key_Escape)}); // in the node's second dialog
    dwuklik(dane, 20 * n + 20 * 2 + 75);
    EXPECT_EQ(x[2], 1.0f);
    EXPECT_TRUE(okno->okno_dane() && okno->okno_dane()->isVisible());
    EXPECT_TRUE(okno->okno_wyniki() && okno->okno_wyniki()->isVisible());
    EXPECT_EQ(okno->historia().count(), 3);
}

// The three commands of "Edycja" and the rows of the data window, with the
// keys, each edit one step; undone, the model is the one opened, without the
// arrays the edits made.
TEST_F(ZOknaDanych, LoadsAndSpringsComeFromTheMenuAndTheDataWindowAndUndoToTheModelOpened)
{
    otworz(pret_dwuelementowy()); // areas 1 and 2, 10 at node 3, a support at node 1
    const std::vector<std::byte> otwarty = bajty_m1d(biezace_tablice());
    okno->polecenie(1140);
    _DANE_* dane = okno->okno_dane();

    Uzytkownik ciezar({wpisz_i_enter({"2", "+x"})});
    okno->polecenie(1330);
    EXPECT_EQ(qx[1], 2.0f);
    EXPECT_EQ(qx[2], 4.0f);
    EXPECT_NEAR(react[1], -20.0f, 1e-4f);
    Uzytkownik zakres({wpisz_i_enter({"2", "2", "-1"})});
    okno->polecenie(1320);
    EXPECT_EQ(qx[1], 2.0f);
    EXPECT_EQ(qx[2], -1.0f);
    Uzytkownik sprezyna({[](QWidget* d) {
        EXPECT_EQ(d->findChild<QLineEdit*>("8500")->text().toStdString(), "3"); // the bar's end
        wpisz_i_enter({"2", "50"})(d);
    }});
    okno->polecenie(1340);
    EXPECT_EQ(ks[2], 50.0f);

    Uzytkownik obciazenie({[](QWidget* d) {
        EXPECT_EQ(d->findChild<QLineEdit*>("8501")->text().toStdString(), "1");
        wpisz_i_enter({"3"})(d); // q focused
    }});
    dwuklik(dane, 40 * 2 + 20 * 1 + 195 + 40 + 20); // element 1's load
    EXPECT_TRUE(obciazenie.skonczyl());
    EXPECT_EQ(qx[1], 3.0f);
    dane->verticalScrollBar()->setValue(dane->verticalScrollBar()->maximum());
    Uzytkownik usun({[](QWidget* d) {
        EXPECT_TRUE(d->findChild<QLineEdit*>("8500")->isReadOnly());
        napisz("0");
        nacisnij(Qt::Key_Return);
    }});
    dwuklik(dane, int(465 - dane->widok().y)); // the spring's row
    EXPECT_TRUE(usun.skonczyl());
    EXPECT_EQ(ks[2], 0.0f);

    EXPECT_EQ(okno->historia().count(), 5);
    for (int k = 0; k < 5; ++k)
        okno->polecenie(1300);
    EXPECT_EQ(qx, nullptr);
    EXPECT_EQ(ks, nullptr);
    EXPECT_EQ(bajty_m1d(biezace_tablice()), otwarty);
    EXPECT_FLOAT_EQ(stress[2], 5.0f);
}

// A model of more than 10000 nodes: a support's five-digit node is shown
// whole and kept exactly when only its displacement is typed.
TEST_F(ZOknaDanych, AFiveDigitNodeIsShownWholeAndKeptWhenOnlyTheDisplacementChanges)
{
    OpisPreta opis = pret_jednorodny(20000);
    opis.podpory = {{12346, 0.0f}};
    otworz(opis);
    okno->polecenie(1140);
    _DANE_* dane = okno->okno_dane();
    dane->verticalScrollBar()->setValue(dane->verticalScrollBar()->maximum());
    Uzytkownik podpora({[](QWidget* d) {
        auto* wezel = d->findChild<QLineEdit*>("8500");
        EXPECT_EQ(wezel->text().toStdString(), "12346");
        EXPECT_GE(wezel->width(), wezel->fontMetrics().horizontalAdvance("1234567"));
        nacisnij(Qt::Key_Tab);
        napisz("0,25");
        nacisnij(Qt::Key_Return);
    }});
    dwuklik(dane, int(40 * 20000 + 20 + 165 - dane->widok().y));
    EXPECT_TRUE(podpora.skonczyl());
    EXPECT_EQ(nu[1], 12346);
    EXPECT_EQ(u[1], 0.25f);
}

// An editor saves a one-element bar over the file while the section dialog of
// element ~99990 is open: the file is read only once the dialog has closed,
// after asking, and Enter keeps the edit.
TEST_F(ZOknaDanych, AFileSavedOverWhileADialogIsOpenIsReadOnlyAfterItClosesAndEnterKeepsTheEdit)
{
    QTemporaryDir katalog;
    const QString plik = katalog.filePath("dlugi.M1D"), jeden = katalog.filePath("jeden.M1D");
    OpisPreta dlugi = pret_jednorodny(100000);
    for (int wezel = 101; wezel <= 100001; wezel += 100)
        dlugi.podpory.push_back({wezel, 0.0f});
    ASSERT_TRUE(zapisz_plik_modelu(dlugi, plik.toStdString()));
    ASSERT_TRUE(zapisz_plik_modelu(pret_jednorodny(1), jeden.toStdString()));
    okno->wczytaj_model(plik);
    okno->repaint();
    const int koniec_preta = 25 + int((x[il_wezl] - x0) * sx);
    const auto zapisz_z_zewnatrz = [&] { zapisz_jak_edytor(plik, zawartosc(jeden)); };
    Uzytkownik uzytkownik({klawisz(Qt::Key_Return), // "Zmienić parametry przekroju ?"
                           [&](QWidget*) {
                               zapisz_z_zewnatrz();
                               QTest::qWait(500); // the watcher looks, inside the dialog's loop
                               napisz("4");
                               nacisnij(Qt::Key_Return);
                           },
                           klawisz(Qt::Key_Return)}); // "Plik dlugi.M1D zmienił się na dysku..."
    QTest::mouseClick(okno, Qt::LeftButton, {}, QPoint(koniec_preta - 1, 100));
    EXPECT_TRUE(QTest::qWaitFor([&] { return uzytkownik.skonczyl(); }));
    QTest::qWait(100);
    EXPECT_EQ(il_elem, 100000);
    EXPECT_EQ(std::count(a + il_elem - 1000, a + il_elem + 1, 4.0f), 1);

    Uzytkownik wczytaj({[](QWidget* d) { qobject_cast<QMessageBox*>(d)->button(QMessageBox::Yes)->click(); }});
    zapisz_z_zewnatrz();
    EXPECT_TRUE(QTest::qWaitFor([] { return il_elem == 1; }));
}

// The question before unsaved edits go, with the keys: Escape stays, Enter saves.
TEST_F(ZOknaDanych, UnsavedEditsStayOnEscapeAndAreSavedOnEnterBeforeTheyWouldGo)
{
    QTemporaryDir katalog;
    const QString plik = katalog.filePath("pret.M1D");
    ASSERT_TRUE(zapisz_plik_modelu(pret_dwuelementowy(), plik.toStdString()));
    okno->wczytaj_model(plik);
    Uzytkownik edycja({wpisz_i_enter({"4"})});
    okno->edytuj_wiersz({tabele::WierszDanych::Blok::element, 2});
    ASSERT_EQ(a[2], 4.0f);

    const auto pytanie_o_zapis = [](Qt::Key k) {
        return [k](QWidget* d) {
            EXPECT_EQ(qobject_cast<QMessageBox*>(d)->text().toStdString(),
                      "Zapisać zmiany w pliku pret.M1D?\nBez zapisu zmiany wprowadzone w oknie zostaną utracone.");
            nacisnij(k);
        };
    };
    Uzytkownik zostaje({pytanie_o_zapis(Qt::Key_Escape)});
    ramka->close();
    EXPECT_TRUE(ramka->isVisible());
    EXPECT_TRUE(okno->historia().canUndo());

    Uzytkownik zapisuje({pytanie_o_zapis(Qt::Key_Return), klawisz(Qt::Key_Escape)}); // then the wizard's first dialog
    okno->polecenie(1070);
    EXPECT_TRUE(zapisuje.skonczyl());
    EXPECT_EQ(a[2], 4.0f);
    Tablice zapisany = czytaj_plik_modelu(plik.toStdString()).tablice;
    EXPECT_EQ(zapisany.a[2], 4.0f);
    zwolnij_tablice(zapisany);
    Uzytkownik bez_zmian({[](QWidget* d) {
        EXPECT_EQ(qobject_cast<QMessageBox*>(d)->text().toStdString(), "Zakończyć działanie programu ?");
        nacisnij(Qt::Key_Escape);
    }});
    ramka->close();
    EXPECT_TRUE(bez_zmian.skonczyl());
}

// ---- undo and redo ----

using Edycja = Swiat;

TEST_F(Edycja, UndoingEveryEditGivesBackTheOpenedBytesAndRedoTheEdits)
{
    const QString plik = plik_modelu(pret_dwuelementowy());
    otworz(plik);
    QAction* cofnij = akcja(1300);
    EXPECT_FALSE(cofnij->isEnabled());

    skrypt->oczekuj_pytania("Zmienić parametry przekroju ?", "UWAGA", true)
        .oczekuj_dialogu<d_dane_przek>([](d_dane_przek& d) { wpisz(d.E, "250"); });
    sx = 100.0f;
    x0 = 0.0f;
    okno->EvLButtonDown(QPoint(50, 10)); // element 1
    skrypt->oczekuj_dialogu<d_wsp>([](d_wsp& d) { wpisz(d.x, "2.5"); })
        .oczekuj_dialogu<d_sily>([](d_sily& d) { wpisz(d.f, "-3"); });
    okno->edytuj_wiersz({tabele::WierszDanych::Blok::wezel, 2}); // an unloaded node gets a force
    skrypt->oczekuj_dialogu<d_wymusz>([](d_wymusz& d) { wpisz(d.x, "0.25"); });
    okno->edytuj_wiersz({tabele::WierszDanych::Blok::podpora, 1});
    EXPECT_TRUE(cofnij->isEnabled());
    EXPECT_EQ(il_obciaz, 2);
    const float po_edycjach[] = {e[1], x[2], si[2], u[1], stress[1], stress[2]};

    for (int k = 0; k < 3; ++k)
        okno->polecenie(1300);
    EXPECT_FALSE(cofnij->isEnabled());
    EXPECT_FLOAT_EQ(stress[2], 5.0f);
    const QString kopia = katalog.filePath("kopia.M1D");
    skrypt->oczekuj_pliku(_ROZMOWA_::Wybor::zapisz, kopia);
    okno->polecenie(1060);
    EXPECT_EQ(zawartosc(kopia), zawartosc(plik));

    for (int k = 0; k < 3; ++k)
        okno->polecenie(1310);
    const float po_ponowieniu[] = {e[1], x[2], si[2], u[1], stress[1], stress[2]};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(std::bit_cast<std::uint32_t>(po_ponowieniu[k]), std::bit_cast<std::uint32_t>(po_edycjach[k])) << k;

    skrypt->oczekuj_pytania_o_zapis("Zapisać zmiany w pliku kopia.M1D?\n"
                                     "Bez zapisu zmiany wprowadzone w oknie zostaną utracone.",
                                     _ROZMOWA_::Odpowiedz::nie);
    otworz(plik); // a new history
    EXPECT_FALSE(okno->historia().canUndo());
}

// Nothing is cut to fit an M1D file: its text model is offered instead,
// also when unsaved edits would go (Enter keeps a text of that name); a
// refused value comes back focused, a self-weight beyond a float after a box
// saying so; a bar held by springs alone keeps its last.
TEST_F(Edycja, AModelWithLoadsOrSpringsIsOfferedAsTextWhereAnM1DFileCannotHoldIt)
{
    const QString plik = plik_modelu(pret_dwuelementowy()), tekst = katalog.filePath("model.txt");
    const QByteArray m1d = zawartosc(plik);
    otworz(plik);
    skrypt->oczekuj_dialogu<d_ciezar>([](d_ciezar& d) { wpisz(d.gamma, "-1"); })
        .oczekuj_dialogu<d_ciezar>([](d_ciezar& d) { wpisz(d.gamma, "3e38"); }, true, d_ciezar::id_gamma)
        .oczekuj_komunikatu("Obciążenie q = γ·A elementu 2 przekracza zakres liczb pojedynczej precyzji "
                            "(do 3.4e+38): podaj mniejszy ciężar właściwy.",
                            "Ciężar własny", _ROZMOWA_::Ikona::wykrzyknik)
        .oczekuj_dialogu<d_ciezar>([](d_ciezar& d) { wpisz(d.gamma, "0,5"), wpisz(d.kierunek, "y"); }, true,
                                   d_ciezar::id_gamma)
        .oczekuj_dialogu<d_ciezar>([](d_ciezar& d) { wpisz(d.kierunek, "-x"); }, true, d_ciezar::id_kierunek);
    okno->polecenie(1330);
    EXPECT_EQ(qx[2], -1.0f);

    zapisz_jak_edytor(tekst, "stary");
    skrypt
        ->oczekuj_pytania_o_zapis("Zapisać zmiany w pliku model.M1D?\n"
                                  "Bez zapisu zmiany wprowadzone w oknie zostaną utracone.",
                                  _ROZMOWA_::Odpowiedz::tak)
        .oczekuj_pytania(
            "Plik M1D nie pomieści obciążeń ciągłych.\nZapisać model jako model tekstowy model.txt?\n"
            "Plik model.txt już istnieje i zostanie zastąpiony.",
            "ZENTA", false);
    ramka->close();
    EXPECT_TRUE(ramka->isVisible());
    EXPECT_EQ(zawartosc(plik), m1d);
    EXPECT_EQ(zawartosc(tekst), "stary");

    const QString inny = katalog.filePath("inny.m1d");
    skrypt->oczekuj_pliku(_ROZMOWA_::Wybor::zapisz, inny)
        .oczekuj_pytania(
            "Plik M1D nie pomieści obciążeń ciągłych.\nZapisać model jako model tekstowy inny.txt?", "ZENTA",
            true);
    okno->polecenie(1060);
    EXPECT_FALSE(QFileInfo::exists(inny));
    EXPECT_EQ(okno->plik_obserwowany(), QFileInfo(katalog.filePath("inny.txt")).absoluteFilePath());
    Tablice zapisany = czytaj_plik_modelu(katalog.filePath("inny.txt").toStdString()).tablice;
    EXPECT_EQ(zapisany.q(2), -1.0f);
    zwolnij_tablice(zapisany);

    OpisPreta na_sprezynach = pret_dwuelementowy();
    na_sprezynach.podpory.clear();
    na_sprezynach.k = {5.0f, 0.0f, 0.0f};
    zapisz_jak_edytor(tekst, QByteArray::fromStdString(tekst_preta(na_sprezynach)));
    otworz(tekst);
    skrypt->oczekuj_dialogu<d_sprezyna>([](d_sprezyna& d) { wpisz(d.i, "1"), wpisz(d.k, "0"); })
        .oczekuj_komunikatu(ostatnia_sprezyna, "Sprężyna", _ROZMOWA_::Ikona::wykrzyknik)
        .oczekuj_dialogu<d_sprezyna>([](d_sprezyna&) {}, false, d_sprezyna::id_k);
    okno->polecenie(1340);
    EXPECT_EQ(ks[1], 5.0f);
    EXPECT_FALSE(okno->historia().canUndo());
}

// A bar whose coordinates run down: a node stays between its neighbours.
// A force edit leaves il_obciaz the number of loaded nodes, and undo restores it.
TEST_F(Edycja, ANodeStaysBetweenItsNeighboursWhicheverWayTheBarRunsAndForcesAreCounted)
{
    OpisPreta opis = pret_dwuelementowy();
    opis.x = {3.0f, 1.0f, 0.0f};
    opis.si = {10.0f, 0.0f, 0.0f};
    opis.podpory = {{3, 0.0f}};
    opis.il_obciaz = 3;
    otworz(plik_modelu(opis));
    skrypt->oczekuj_dialogu<d_wsp>([](d_wsp& d) { wpisz(d.x, "4"); }) // beyond a neighbour: again
        .oczekuj_dialogu<d_wsp>([](d_wsp& d) { wpisz(d.x, "2"); })
        .oczekuj_dialogu<d_sily>([](d_sily&) {});
    okno->edytuj_wiersz({tabele::WierszDanych::Blok::wezel, 2});
    EXPECT_EQ(x[2], 2.0f);
    EXPECT_EQ(il_obciaz, 3); // no force was changed
    skrypt->oczekuj_dialogu<d_wsp>([](d_wsp&) {}).oczekuj_dialogu<d_sily>([](d_sily& d) { wpisz(d.f, "5"); });
    okno->edytuj_wiersz({tabele::WierszDanych::Blok::wezel, 1});
    EXPECT_EQ(il_obciaz, 1);
    okno->polecenie(1300);
    EXPECT_EQ(il_obciaz, 3);
    EXPECT_EQ(si[1], 10.0f);
}

// ---- text models ----

TEST_F(Edycja, TextModelsOpenAndSaveThroughTheSameDialogsAsM1DFilesKeepingTheirComments)
{
    const QString txt = katalog.filePath("pret.txt");
    const std::string tekst = "# Pręt z dwóch elementów\n#! sigma[2] = 5\n\n" + tekst_preta(pret_dwuelementowy());
    zapisz_jak_edytor(txt, QByteArray::fromStdString(tekst));
    otworz(txt);
    ASSERT_FALSE(Pusty);
    EXPECT_FLOAT_EQ(stress[2], 5.0f);

    const QString m1d = katalog.filePath("pret.M1D"), kopia_txt = katalog.filePath("kopia.txt");
    skrypt->oczekuj_pliku(_ROZMOWA_::Wybor::zapisz, m1d);
    okno->polecenie(1060);
    skrypt->oczekuj_pliku(_ROZMOWA_::Wybor::zapisz, kopia_txt);
    okno->polecenie(1060);
    EXPECT_EQ(zawartosc(m1d), zawartosc(plik_modelu(pret_dwuelementowy(), "wzor.M1D")));
    EXPECT_EQ(zawartosc(kopia_txt).toStdString(), tekst);

    // An edit rewrites its value alone; the force's count follows the loaded nodes.
    skrypt->oczekuj_dialogu<d_wsp>([](d_wsp&) {}).oczekuj_dialogu<d_sily>([](d_sily& d) { wpisz(d.f, "-3"); });
    okno->edytuj_wiersz({tabele::WierszDanych::Blok::wezel, 2});
    skrypt->oczekuj_pytania_o_zapis("Zapisać zmiany w pliku kopia.txt?\n"
                                     "Bez zapisu zmiany wprowadzone w oknie zostaną utracone.",
                                     _ROZMOWA_::Odpowiedz::tak)
        .oczekuj_pliku(_ROZMOWA_::Wybor::otworz, std::nullopt);
    okno->polecenie(1020);
    std::string zmieniony = tekst;
    for (const auto& [co, na] : {std::pair<std::string, std::string>{"obciążenia 1", "obciążenia 2"},
                                 {"siły\n0 0 10", "siły\n0 -3 10"}})
        zmieniony.replace(zmieniony.find(co), co.size(), na);
    EXPECT_EQ(zawartosc(kopia_txt).toStdString(), zmieniony);

    // A split keeps the comments too; its sections are written anew, the force with its node.
    otworz(kopia_txt);
    skrypt->oczekuj_dialogu<d_podzial>([](d_podzial&) {});
    okno->polecenie(1350); // element 1 at its middle
    skrypt->oczekuj_pytania_o_zapis("Zapisać zmiany w pliku kopia.txt?\n"
                                     "Bez zapisu zmiany wprowadzone w oknie zostaną utracone.",
                                     _ROZMOWA_::Odpowiedz::tak)
        .oczekuj_pliku(_ROZMOWA_::Wybor::otworz, std::nullopt);
    okno->polecenie(1020);
    const std::string podzielony = zawartosc(kopia_txt).toStdString();
    EXPECT_EQ(podzielony.substr(0, 45), tekst.substr(0, 45));
    WynikTekstu odczyt = czytaj_tekst_modelu(podzielony);
    ASSERT_TRUE(odczyt.ok) << odczyt.blad;
    EXPECT_EQ(odczyt.tablice.il_elem, 3);
    EXPECT_EQ(odczyt.tablice.x[2], 0.5f);
    EXPECT_EQ(odczyt.tablice.si[3], -3.0f);
    EXPECT_EQ(odczyt.tablice.si[4], 10.0f);
    EXPECT_EQ(odczyt.tablice.a[2], 1.0f);
    zwolnij_tablice(odczyt.tablice);
}

// ---- the window follows its file ----

TEST_F(Edycja, TheFollowedFileIsReadWhenWholeAskedAboutFirstAndWaitedForWhenGone)
{
    const QString txt = katalog.filePath("pret.txt");
    OpisPreta opis = pret_dwuelementowy();
    zapisz_jak_edytor(txt, QByteArray::fromStdString(tekst_preta(opis)));
    otworz(txt);
    okno->polecenie(1140);
    okno->polecenie(1120);

    // Half of a file first: no box, the title says why; then the whole of it.
    const std::string nowy = tekst_preta([&] {
        opis.si = {0.0f, 0.0f, 30.0f};
        return opis;
    }());
    zapisz_jak_edytor(txt, QByteArray::fromStdString(nowy.substr(0, nowy.size() / 2)));
    EXPECT_TRUE(QTest::qWaitFor([this] { return !okno->stan_pliku().isEmpty(); }));
    EXPECT_TRUE(ramka->windowTitle().startsWith("ZENTA – pret.txt: nie można go wczytać (")) << ramka->windowTitle().toStdString();
    EXPECT_EQ(si[3], 10.0f);
    zapisz_jak_edytor(txt, QByteArray::fromStdString(nowy));
    EXPECT_TRUE(QTest::qWaitFor([] { return !Pusty && si[3] == 30.0f; }));
    EXPECT_EQ(ramka->windowTitle().toStdString(), "ZENTA");
    EXPECT_FLOAT_EQ(stress[2], 15.0f);
    EXPECT_TRUE(okno->okno_dane() && okno->okno_dane()->isVisible()); // the windows and switches stay
    auto* widok = qobject_cast<QMenu*>(akcja(1120)->parent());
    emit widok->aboutToShow();
    EXPECT_TRUE(akcja(1120)->isChecked());

    // With an edit of its own, the window asks before it reads: "No" keeps the
    // edit, and so does a file that cannot be read after "Yes", said once.
    skrypt->oczekuj_dialogu<d_wymusz>([](d_wymusz& d) { wpisz(d.x, "0.5"); });
    okno->edytuj_wiersz({tabele::WierszDanych::Blok::podpora, 1});
    const QString pytanie = QString(teksty::plik_zmieniony).arg("pret.txt");
    skrypt->oczekuj_pytania(pytanie, "ZENTA", false);
    zapisz_jak_edytor(txt, QByteArray::fromStdString(tekst_preta(pret_dwuelementowy())));
    EXPECT_TRUE(QTest::qWaitFor([this] { return skrypt->pozostale() == 0; }));
    skrypt->oczekuj_pytania(pytanie, "ZENTA", true)
        .oczekuj_komunikatu("Błędny plik z danymi", "Błąd operacji dyskowej", _ROZMOWA_::Ikona::wykrzyknik,
                            txt + ": wiersz 1: „elementy?” nie jest nazwą sekcji");
    zapisz_jak_edytor(txt, "elementy? 2\n");
    EXPECT_TRUE(QTest::qWaitFor([this] { return skrypt->pozostale() == 0; }));
    QTest::qWait(300);
    EXPECT_EQ(u[1], 0.5f);
    EXPECT_TRUE(okno->historia().canUndo());

    // Gone for a while, then written again: read at once when it is back.
    okno->polecenie(1300);
    QFile::remove(txt);
    EXPECT_TRUE(QTest::qWaitFor([this] { return ramka->windowTitle() == "ZENTA – pret.txt: brak pliku na dysku"; }));
    QTest::qWait(400);
    zapisz_jak_edytor(txt, QByteArray::fromStdString(nowy));
    EXPECT_TRUE(QTest::qWaitFor([this] { return ramka->windowTitle() == "ZENTA"; }));
    EXPECT_EQ(si[3], 30.0f);
    // Renamed away and written again.
    ASSERT_TRUE(QFile::rename(txt, katalog.filePath("stary.txt")));
    QTest::qWait(400);
    zapisz_jak_edytor(txt, QByteArray::fromStdString(tekst_preta(pret_dwuelementowy())));
    EXPECT_TRUE(QTest::qWaitFor([] { return si[3] == 10.0f; }));
    EXPECT_EQ(okno->plik_obserwowany(), QFileInfo(txt).absoluteFilePath());
}

// ---- the bar's structure ----

namespace {

// The item of the bar's own menu that reads `tekst`, triggered.
void wybierz(QMenu* menu, const QString& tekst)
{
    ASSERT_TRUE(menu);
    for (QAction* a : menu->actions()) {
        if (a->text() == tekst)
            return a->trigger();
    }
    ADD_FAILURE() << "no item " << tekst.toStdString();
}

// The largest difference between the elements' stresses and σ = γ·(L - x) at their ends.
double odchylenie_od_dokladnej(double gamma, double l)
{
    double najwieksze = 0.0;
    for (int i = 1; i <= il_elem; ++i)
        for (const int j : {i, i + 1})
            najwieksze = std::max(najwieksze, std::abs(double(stress[i]) - gamma * (l - double(x[j]))));
    return najwieksze;
}

} // namespace

// Split, join, extend, support and refine from "Edycja" and from the bar's
// menu: supports and forces keep to their nodes,
// what cannot be done says why and changes nothing, and undoing every step
// saves the bytes opened.
TEST_F(Edycja, TheBarIsRebuiltFromBothMenusAndUndoneToTheOpenedBytes)
{
    const QString plik = plik_modelu(pret_dwuelementowy()); // nodes 0, 1, 3; 10 at node 3; support at node 1
    otworz(plik);
    const auto menu = [this](float wx) {
        sx = 100.0f; // each analysis draws anew
        x0 = 0.0f;
        return okno->menu_preta(QPoint(25 + int(100.0f * wx), 10));
    };
    const auto uwaga = [this](const QString& tekst, const QString& tytul) {
        skrypt->oczekuj_komunikatu(tekst, tytul, _ROZMOWA_::Ikona::wykrzyknik);
    };

    skrypt->oczekuj_dialogu<d_podzial>([](d_podzial& d) {
        EXPECT_STREQ(d.x, "2.0000"); // the middle
        wpisz(d.x, "3");
    });
    uwaga("Współrzędna 3 nie leży ściśle między węzłami 2 (x = 1) i 3 (x = 3) elementu 2.", "Podziel element");
    skrypt->oczekuj_dialogu<d_podzial>([](d_podzial& d) { wpisz(d.x, "2.5"); }, true, d_podzial::id_x);
    wybierz(menu(1.25f).get(), "Podziel element 2...");
    ASSERT_EQ(il_elem, 3);
    EXPECT_EQ(x[3], 2.5f);
    EXPECT_EQ(si[4], 10.0f);
    EXPECT_EQ(si[3], 0.0f);
    EXPECT_FLOAT_EQ(stress[3], 5.0f);

    const std::unique_ptr<QMenu> wewnatrz = menu(1.25f);
    for (QAction* a : wewnatrz->actions()) // an inner element has no end to change
        EXPECT_FALSE(a->text().startsWith("Dodaj element") || a->text().startsWith("Usuń element")) << a->text().toStdString();
    uwaga("Nie można złączyć elementów w węźle 2: elementy 1 i 2 różnią się: pole przekroju (1 i 2).",
          "Złącz elementy w węźle");
    wybierz(menu(0.95f).get(), "Złącz elementy w węźle 2");
    uwaga("Nie można usunąć elementu 3: w jego węźle końcowym 4 jest siła.", "Usuń element");
    okno->polecenie(1390);
    skrypt->oczekuj_dialogu<d_wymusz>([](d_wymusz& d) {
        EXPECT_STREQ(d.i, "2");
        EXPECT_STREQ(d.nu, "4");
    });
    wybierz(menu(2.9f).get(), "Dodaj podporę w węźle 4...");
    skrypt->oczekuj_dialogu<d_nowy_element>([](d_nowy_element& d) {
        EXPECT_STREQ(d.l, "1.0000"); // element 1's length
        wpisz(d.l, "0.5");
    });
    okno->polecenie(1380);
    ASSERT_EQ(il_elem, 4);
    EXPECT_EQ(x[1], -0.5f);
    EXPECT_EQ(nu[1], 2); // the supports and the force move with their nodes
    EXPECT_EQ(nu[2], 5);
    EXPECT_EQ(si[5], 10.0f);
    EXPECT_EQ(okno->historia().count(), 3);

    skrypt->oczekuj_dialogu<d_usuniecie_podpory>([](d_usuniecie_podpory& d) { wpisz(d.i, "1"); });
    okno->polecenie(1420);
    uwaga("Pręt musi mieć co najmniej jedną podporę albo sprężynę: podpory 1 nie można usunąć.", "Usuń podporę");
    wybierz(menu(2.9f).get(), "Usuń podporę 1 w węźle 5");
    EXPECT_EQ(nu[1], 5);
    okno->polecenie(1400); // the element just added
    skrypt->oczekuj_dialogu<d_zlaczenie>([](d_zlaczenie& d) { wpisz(d.i, "3"); });
    okno->polecenie(1360); // the node split in
    skrypt->oczekuj_dialogu<d_podzial_kazdego>([](d_podzial_kazdego& d) { wpisz(d.k, "3"); });
    okno->polecenie(1430);
    ASSERT_EQ(il_elem, 6);
    EXPECT_EQ(nu[1], 7);
    EXPECT_EQ(si[7], 10.0f);
    EXPECT_NEAR(stress[6], 0.0f, 1e-5f); // the force goes straight into the support under it
    EXPECT_FLOAT_EQ(react[1], -10.0f);

    EXPECT_EQ(okno->historia().count(), 7);
    while (okno->historia().canUndo())
        okno->polecenie(1300);
    const QString kopia = katalog.filePath("kopia.M1D");
    skrypt->oczekuj_pliku(_ROZMOWA_::Wybor::zapisz, kopia);
    okno->polecenie(1060);
    EXPECT_EQ(zawartosc(kopia), zawartosc(plik));
    while (okno->historia().canRedo())
        okno->polecenie(1310);
    EXPECT_EQ(il_elem, 6);

    // The data window's rows offer the same for their element or node.
    skrypt->oczekuj_dialogu<d_podzial>([](d_podzial& d) { EXPECT_STREQ(d.i, "3"); });
    wybierz(okno->menu_wiersza({tabele::WierszDanych::Blok::element, 3}).get(), "Podziel element 3...");
    EXPECT_EQ(il_elem, 7);
    uwaga("Pręt musi mieć co najmniej jedną podporę albo sprężynę: podpory 1 nie można usunąć.", "Usuń podporę");
    wybierz(okno->menu_wiersza({tabele::WierszDanych::Blok::podpora, 1}).get(), "Usuń podporę 1 w węźle 8");
    EXPECT_EQ(il_elem, 7);

    // Nor the item of a menu opened before the model changed.
    const std::unique_ptr<QMenu> stare = okno->menu_wiersza({tabele::WierszDanych::Blok::element, 7});
    okno->polecenie(1300);
    uwaga(teksty::zmiana_odrzucona, teksty::uwaga);
    wybierz(stare.get(), "Podziel element 7...");
    EXPECT_EQ(il_elem, 6);
    okno->polecenie(1310);

    // A step is never made on a model other than its own.
    bool odmowiono = false;
    KrokPrzebudowy obcy({Przeksztalcenie::Rodzaj::podzial_kazdego, 2}, pokolenie_modelu - 1, [] {},
                        [&](KrokPrzebudowy::Odmowa o) { odmowiono = o == KrokPrzebudowy::Odmowa::inny_model; });
    obcy.redo();
    EXPECT_TRUE(odmowiono);
    EXPECT_EQ(il_elem, 7);
}

// A bar hanging from x = 0 under its own weight: the elements' stresses are
// the exact line's at their middles, so the largest difference at their ends
// halves each time the elements are cut twice as fine.
TEST_F(Edycja, RefiningAHangingBarBringsItsStressesToTheExactLineAsOneOverK)
{
    OpisPreta opis = pret_jednorodny(1);
    opis.x = {0.0f, 10.0f};
    opis.si = {0.0f, 0.0f};
    otworz(plik_modelu(opis));
    skrypt->oczekuj_dialogu<d_ciezar>([](d_ciezar& d) { wpisz(d.gamma, "2"); });
    okno->polecenie(1330);
    double poprzednie = 0.0;
    for (const char* k : {"2", "4", "8"}) {
        skrypt->oczekuj_dialogu<d_podzial_kazdego>([k](d_podzial_kazdego& d) { wpisz(d.k, k); });
        okno->polecenie(1430);
        const double odchylenie = odchylenie_od_dokladnej(2.0, 10.0);
        if (poprzednie > 0.0) {
            EXPECT_NEAR(poprzednie / odchylenie, 2.0, 0.01) << k;
        }
        poprzednie = odchylenie;
        okno->polecenie(1300);
    }
    EXPECT_NEAR(poprzednie, 2.0 * 10.0 / 16.0, 1e-3);

    // Held by a spring, the bar may lose its support, and then has none to lose.
    skrypt->oczekuj_dialogu<d_sprezyna>([](d_sprezyna& d) { wpisz(d.k, "5"); })
        .oczekuj_dialogu<d_usuniecie_podpory>([](d_usuniecie_podpory&) {})
        .oczekuj_komunikatu("Pręt nie ma podpór: trzyma się tylko na sprężynach.", "Usuń podporę",
                            _ROZMOWA_::Ikona::wykrzyknik);
    for (const int polecenie : {1340, 1420, 1420})
        okno->polecenie(polecenie);
    EXPECT_EQ(il_podpor, 0);
    EXPECT_NEAR(stress[1], -10.0f, 1e-4f); // the weight 20 stands on the spring: the mean of -q·x
}
