#include "swiat.h"

#include "dane.h"
#include "model.h"
#include "wyniki.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QScrollBar>
#include <QWindow>

namespace {

void pokaz(QWidget* w)
{
    w->repaint();
    QApplication::processEvents();
}

} // namespace

using OknaTabel = Swiat;

TEST_F(OknaTabel, TheDataWindowStaysAboveTheFrameAndTheResultsScrollAsTheRowsNeed)
{
    otworz(plik_modelu(pret_jednorodny(3)));
    okno->polecenie(1140);
    okno->polecenie(1130);
    _DANE_* dane = okno->okno_dane();
    _WYNIKI_* wyniki = okno->okno_wyniki();
    ASSERT_TRUE(dane && wyniki);
    pokaz(dane);
    pokaz(wyniki);
    // owned by the main view: the window manager keeps it above the frame
    EXPECT_EQ(dane->windowHandle()->transientParent(), ramka->windowHandle());
    EXPECT_EQ(dane->windowType(), Qt::Dialog);
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
    QApplication::processEvents();
    otworz(plik_modelu(pret_dwuelementowy(), "drugi.M1D"));
    QApplication::processEvents();
    EXPECT_TRUE(!nowsze);
    ASSERT_TRUE(starsze);
    EXPECT_TRUE(starsze->isVisible());
    // What the window shows without being touched is the model held now.
    const QRect tabela(starsze->viewport()->mapTo(starsze, QPoint(0, 0)), starsze->viewport()->size());
    const QImage na_ekranie = starsze->screen()->grabWindow(starsze->winId()).toImage().copy(tabela);
    const QImage biezacy = starsze->viewport()->grab().toImage();
    EXPECT_EQ(na_ekranie.convertToFormat(QImage::Format_RGB32), biezacy.convertToFormat(QImage::Format_RGB32));
}

TEST_F(OknaTabel, HomeEndScrollAndCtrlCCopiesTheWholeTableForASpreadsheet)
{
    otworz(plik_modelu(pret_jednorodny(300)));
    okno->polecenie(1130);
    _WYNIKI_* wyniki = okno->okno_wyniki();
    pokaz(wyniki);
    QTest::keyClick(wyniki, Qt::Key_End);
    EXPECT_EQ(wyniki->verticalScrollBar()->value(), wyniki->verticalScrollBar()->maximum());
    EXPECT_GT(wyniki->verticalScrollBar()->value(), 1000);
    QTest::keyClick(wyniki, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(wyniki->horizontalScrollBar()->value(), 30);
    QTest::keyClick(wyniki, Qt::Key_Home);
    EXPECT_EQ(wyniki->verticalScrollBar()->value(), 0);
    EXPECT_EQ(wyniki->horizontalScrollBar()->value(), 30);
    QTest::keyClick(wyniki, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(wyniki->horizontalScrollBar()->value(), 0);

    QTest::keyClick(wyniki, Qt::Key_C, Qt::ControlModifier);
    const QStringList wiersze = QGuiApplication::clipboard()->text().split('\n');
    ASSERT_EQ(wiersze.size(), 1 + 300 + 1 + 1 + 301 + 1 + 1 + 1 + 1); // the last line ends the text
    EXPECT_EQ(wiersze[0].toStdString(), "Element\tNaprężenie");
    EXPECT_EQ(wiersze[1].toStdString(), "1\t 10.00028801"); // float32 over 300 elements
    EXPECT_EQ(wiersze[302].toStdString(), "Węzeł\tPrzemieszczenie");
    EXPECT_EQ(wiersze[606].toStdString(), "1\t-10.000288009643555");
}
