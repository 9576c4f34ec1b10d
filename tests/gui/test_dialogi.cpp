// The data-entry dialogs as a user at the keyboard meets them: real dialogs,
// real QLineEdits, keys sent to whatever has the focus.

#include "dialogi.h"
#include "instalacja.h"
#include "m1d.h"
#include "model.h"
#include "okno.h"
#include "pola_rekordu.h"
#include "pret.h"
#include "ramka.h"
#include "uzytkownik.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <deque>
#include <functional>

namespace {

QLineEdit* pole_w_fokusie() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }

d_dane_przek przekroj(const char* nr, const char* A, const char* E)
{
    d_dane_przek r{};
    wpisz(r.NRE, nr);
    wpisz(r.A, A);
    wpisz(r.E, E);
    wpisz(r.alf, "0.0000000000");
    wpisz(r.dt, "0.0000");
    return r;
}

} // namespace

// ---- one dialog and its record ----

TEST(Dialogi, TypingReplacesTheOfferedTextAndOkCopiesEachFieldCutToItsWidth)
{
    d_dane_przek r = przekroj("7", "0.0", "20000000.0");
    Uzytkownik u({[](QWidget* d) {
        EXPECT_EQ(d->windowTitle().toStdString(), "Parametry przekroju");
        EXPECT_EQ(pole_w_fokusie()->objectName().toStdString(), "8500");
        napisz("5"); // not "0.05"
        nacisnij(Qt::Key_Tab);
        napisz("123456789012345"); // 13 characters fit
        nacisnij(Qt::Key_Tab);
        nacisnij(Qt::Key_Tab);
        nacisnij(Qt::Key_Delete); // the selected text goes
        nacisnij(Qt::Key_Return);
    }});
    EXPECT_TRUE(uruchom_dialog(nullptr, r, pierwsze_pole));
    EXPECT_TRUE(u.skonczyl());
    EXPECT_EQ(std::string(r.A) + "|" + r.E + "|" + r.alf + "|" + r.dt + "|" + r.NRE, "5|1234567890123|0.0000000000||7");
}

TEST(Dialogi, EnterOnAFocusedButtonPressesThatButton)
{
    d_dane_przek r = przekroj("1", "2.5", "100.0");
    const d_dane_przek przed = r;
    // Shift+Tab from the first field reaches "Anuluj", the last in tab order.
    Uzytkownik anuluj({[](QWidget*) {
        napisz("9");
        nacisnij(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), "2");
        nacisnij(Qt::Key_Return);
    }});
    EXPECT_FALSE(uruchom_dialog(nullptr, r, pierwsze_pole));
    EXPECT_EQ(std::memcmp(&r, &przed, sizeof r), 0);

    Uzytkownik ok({[](QWidget*) {
        napisz("9");
        for (int k = 0; k < 4; ++k)
            nacisnij(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), "1");
        nacisnij(Qt::Key_Enter);
    }});
    EXPECT_TRUE(uruchom_dialog(nullptr, r, pierwsze_pole));
    EXPECT_EQ(std::string(r.A), "9");
    EXPECT_TRUE(anuluj.skonczyl() && ok.skonczyl());
}

TEST(Dialogi, CountsAndNodeNumbersTakeDigitsOnly)
{
    d_dane_pods rekord{};
    wpisz(rekord.d_il_elem, "2");
    Uzytkownik u({wpisz_i_enter({"-5x3", "12345", "1.5"})});
    EXPECT_TRUE(uruchom_dialog(nullptr, rekord, pierwsze_pole));
    EXPECT_EQ(std::string(rekord.d_il_elem) + "|" + rekord.d_il_przem + "|" + rekord.d_il_sil, "53|123|15");
}

TEST(Dialogi, AReadOnlyNumberIsShownWhole)
{
    d_dane_przek r = przekroj("4387001", "1.0", "1.0");
    _D_DANE_PRZ dialog(nullptr, &r, 3010);
    const QLineEdit* nr = dialog.pole(8004);
    EXPECT_EQ(nr->text().toStdString(), "4387001");
    EXPECT_TRUE(nr->isReadOnly());
    EXPECT_GE(nr->contentsRect().width() - 4, nr->fontMetrics().horizontalAdvance("4387001"));
    EXPECT_LT(nr->geometry().right(), dialog.width());
}

// ---- the main view's dialogs, as the program shows them ----

TEST_F(ZKlawiatury, ABarTypedInWithKeysAloneAndADecimalCommaGivesItsStresses)
{
    Uzytkownik u({
        wpisz_i_enter({"2", "1", "1"}),
        wpisz_i_enter({"1", "100"}),
        wpisz_i_enter({"2", "100"}),
        klawisz(Qt::Key_Return), // node 1 at the offered 0.0
        wpisz_i_enter({"1"}),
        wpisz_i_enter({"2,5"}),
        wpisz_i_enter({"1", "0"}),
        wpisz_i_enter({"3", "10"}),
    });
    okno->polecenie(1070);
    EXPECT_TRUE(u.skonczyl());
    ASSERT_FALSE(Pusty);
    EXPECT_EQ(x[3], 2.5f);
    EXPECT_FLOAT_EQ(stress[1], 10.0f);
    EXPECT_FLOAT_EQ(stress[2], 5.0f);
    EXPECT_FLOAT_EQ(react[1], -10.0f);
}

TEST_F(ZKlawiatury, AnUnchangedSectionStoresExactlyWhatWasThere)
{
    OpisPreta opis = pret_dwuelementowy();
    opis.a = {0.06f, 0.1234567f};      // "%6.1f" shows 0.1; no 7 characters spell 0.1234567
    opis.alp = {0.0004f, 1.25e-20f}; // "%6.10f" shows 0.0004000000, then 0.0000000000
    otworz(opis);
    Uzytkownik u({klawisz(Qt::Key_Return), klawisz(Qt::Key_Return)});
    okno->zmien_p(1);
    okno->zmien_p(2);
    EXPECT_TRUE(u.skonczyl());
    EXPECT_EQ(std::bit_cast<std::uint32_t>(a[1]), std::bit_cast<std::uint32_t>(0.06f));
    EXPECT_EQ(std::bit_cast<std::uint32_t>(a[2]), std::bit_cast<std::uint32_t>(0.1234567f));
    EXPECT_EQ(alp[1], 0.0004f);
    EXPECT_EQ(alp[2], 1.25e-20f);
    EXPECT_EQ(e[1], 100.0f);
}

TEST_F(ZKlawiatury, ARefusedEntryComesBackWithTheRefusedFieldSelected)
{
    otworz(pret_dwuelementowy());
    Uzytkownik u({wpisz_i_enter({"3", "-1"}), [](QWidget* d) {
                      QLineEdit* pole = pole_w_fokusie();
                      ASSERT_TRUE(pole);
                      EXPECT_EQ(pole->objectName().toStdString(), "8501");
                      EXPECT_EQ(pole->selectedText().toStdString(), "   100.0");
                      // all or nothing: the area typed with it is gone
                      EXPECT_EQ(d->findChild<QLineEdit*>("8500")->text().toStdString(), "   1.0");
                      napisz("50");
                      nacisnij(Qt::Key_Return);
                  }});
    okno->zmien_p(1);
    EXPECT_TRUE(u.skonczyl());
    EXPECT_EQ(a[1], 1.0f);
    EXPECT_EQ(e[1], 50.0f);
}

