#include "swiat.h"

#include "dane.h"
#include "model.h"
#include "wyniki.h"

#include <QScrollBar>

namespace {

void pokaz(QWidget* w)
{
    w->repaint();
    QApplication::processEvents();
}

} // namespace

using OknaTabel = Swiat;

TEST_F(OknaTabel, BothWindowsOpenWithTheirCaptionsSizesAndScrollRanges)
{
    otworz(plik_modelu(pret_jednorodny(3)));
    okno->polecenie(1140);
    okno->polecenie(1130);
    _DANE_* dane = okno->okno_dane();
    _WYNIKI_* wyniki = okno->okno_wyniki();
    ASSERT_TRUE(dane && wyniki);
    pokaz(dane);
    pokaz(wyniki);
    EXPECT_EQ(dane->windowTitle().toStdString(), "Dane do obliczeń");
    EXPECT_EQ(wyniki->windowTitle().toStdString(), "Wyniki obliczeń");
    EXPECT_EQ(dane->size(), QSize(450, 400));
    EXPECT_EQ(wyniki->size(), QSize(300, 400));
    EXPECT_EQ(dane->parentWidget(), okno);  // owned by the main view
    EXPECT_EQ(wyniki->parentWidget(), nullptr); // independent
    EXPECT_EQ(wyniki->verticalScrollBar()->maximum(), 20);
    EXPECT_EQ(wyniki->horizontalScrollBar()->maximum(), 30);
    EXPECT_EQ(wyniki->krok_pionowy(), 10);
}

TEST_F(OknaTabel, TwoResultsWindowsAndTheNextModelClosesOnlyTheNewest)
{
    otworz(plik_modelu(pret_jednorodny(3)));
    okno->polecenie(1130);
    QPointer<_WYNIKI_> starsze = okno->okno_wyniki();
    okno->polecenie(1130);
    QPointer<_WYNIKI_> nowsze = okno->okno_wyniki();
    ASSERT_NE(starsze, nowsze);
    otworz(plik_modelu(pret_jednorodny(4), "drugi.M1D"));
    QApplication::processEvents();
    EXPECT_TRUE(!nowsze);
    ASSERT_TRUE(starsze);
    EXPECT_TRUE(starsze->isVisible()); // still there, showing the current model
    pokaz(starsze);
}

TEST_F(OknaTabel, AWindowClosedByHandIsNoTroubleLater)
{
    otworz(plik_modelu(pret_jednorodny(3)));
    okno->polecenie(1140);
    okno->polecenie(1130);
    okno->okno_dane()->close();
    okno->okno_wyniki()->close();
    QApplication::processEvents();
    otworz(plik_modelu(pret_jednorodny(2), "drugi.M1D"));
    EXPECT_FALSE(Pusty);
}

TEST_F(OknaTabel, AResultsWindowLeftOpenOnAnEmptiedModelSaysSoOnce)
{
    otworz(plik_modelu(pret_jednorodny(3)));
    okno->polecenie(1130);
    QPointer<_WYNIKI_> starsze = okno->okno_wyniki();
    okno->polecenie(1130); // the newest is closed with the model; the older stays
    okno->Zwol_pam();
    skrypt->oczekuj_pytania("PUSTY jest TRUE !", "Błąd wejścia do klasy WYNIKI", true);
    ASSERT_TRUE(starsze);
    pokaz(starsze);
    pokaz(starsze);
    starsze->update();
    QApplication::processEvents();
}
