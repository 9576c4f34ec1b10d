// Changing a held model in place: from the data window, undone and redone,
// saved and read as text, and followed as its file changes on disk.

#include "swiat.h"
#include "uzytkownik.h"

#include "dane.h"
#include "m1d.h"
#include "model.h"
#include "pola_rekordu.h"
#include "tekst_modelu.h"
#include "teksty.h"

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QSaveFile>
#include <QTest>

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

    Uzytkownik element({wpisz_i_enter({"4"})});
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

    otworz(plik); // a new history
    EXPECT_FALSE(okno->historia().canUndo());
}

// ---- text models ----

TEST_F(Edycja, TextModelsOpenAndSaveThroughTheSameDialogsAsM1DFiles)
{
    const QString txt = katalog.filePath("pret.txt");
    const std::string tekst = tekst_preta(pret_dwuelementowy());
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
}

// ---- the window follows its file ----

TEST_F(Edycja, AFileSavedByAnEditorIsReadAgainAndAHalfWrittenOneIsIgnored)
{
    const QString txt = katalog.filePath("pret.txt");
    OpisPreta opis = pret_dwuelementowy();
    zapisz_jak_edytor(txt, QByteArray::fromStdString(tekst_preta(opis)));
    otworz(txt);
    okno->polecenie(1140);
    okno->polecenie(1120);

    // Half of a file first (no message may come), then the whole of it.
    const std::string nowy = tekst_preta([&] {
        opis.si = {0.0f, 0.0f, 30.0f};
        return opis;
    }());
    zapisz_jak_edytor(txt, QByteArray::fromStdString(nowy.substr(0, nowy.size() / 2)));
    QTest::qWait(400);
    EXPECT_EQ(si[3], 10.0f);
    zapisz_jak_edytor(txt, QByteArray::fromStdString(nowy));
    EXPECT_TRUE(QTest::qWaitFor([] { return !Pusty && si[3] == 30.0f; }));
    EXPECT_FLOAT_EQ(stress[2], 15.0f);
    EXPECT_TRUE(okno->okno_dane() && okno->okno_dane()->isVisible()); // the windows and switches stay
    auto* widok = qobject_cast<QMenu*>(akcja(1120)->parent());
    emit widok->aboutToShow();
    EXPECT_TRUE(akcja(1120)->isChecked());

    // With an edit of its own, the window asks first.
    skrypt->oczekuj_dialogu<d_wymusz>([](d_wymusz& d) { wpisz(d.x, "0.5"); });
    okno->edytuj_wiersz({tabele::WierszDanych::Blok::podpora, 1});
    skrypt->oczekuj_pytania(QString(teksty::plik_zmieniony).arg("pret.txt"), "ZENTA", false);
    zapisz_jak_edytor(txt, QByteArray::fromStdString(tekst_preta(pret_dwuelementowy())));
    EXPECT_TRUE(QTest::qWaitFor([this] { return skrypt->pozostale() == 0; }));
    EXPECT_EQ(u[1], 0.5f);

    QFile::remove(txt); // gone: the watching ends without a word
    EXPECT_TRUE(QTest::qWaitFor([this] { return okno->plik_obserwowany().isEmpty(); }));
    EXPECT_EQ(u[1], 0.5f);
}
