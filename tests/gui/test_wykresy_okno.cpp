// The diagrams window and the files saved from the menu.

#include "swiat.h"

#include "model.h"
#include "pola_rekordu.h"
#include "okno_wykresow.h"

#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QProcess>
#include <QTest>

namespace {

QString odczyt_w(OknoWykresow* okno, QPoint p)
{
    QMouseEvent ruch(QEvent::MouseMove, QPointF(p), okno->pole()->mapToGlobal(QPointF(p)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(okno->pole(), &ruch);
    return okno->odczyt();
}

// What zenta-oblicz writes for the same model.
QByteArray z_zenta_oblicz(const QStringList& argumenty, const QString& plik)
{
    QProcess p;
    p.start(ZENTA_OBLICZ, argumenty);
    EXPECT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return zawartosc(plik);
}

OpisPreta pret_schodkowy()
{
    OpisPreta opis;
    opis.x = {0.0f, 200.0f, 500.0f};
    opis.a = {400.0f, 200.0f};
    opis.e = {210000.0f, 210000.0f};
    opis.si = {0.0f, 0.0f, 20000.0f};
    opis.podpory = {{1, 0.0f}};
    return opis;
}

} // namespace

using Wykresy = Swiat;

TEST_F(Wykresy, TheWindowFollowsTheModelAndClosesWhenItIsReleased)
{
    okno->polecenie(1150); // nothing without a model
    EXPECT_FALSE(okno->okno_wykresow());
    otworz(plik_modelu(pret_schodkowy(), "schodkowy.M1D"));
    okno->polecenie(1150);
    OknoWykresow* w = okno->okno_wykresow();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle().toStdString(), "Wykresy");
    QApplication::processEvents();
    ASSERT_TRUE(w->windowHandle());
    EXPECT_EQ(w->windowHandle()->transientParent(), ramka->windowHandle()); // kept above the frame
    w->pole()->setFixedSize(1130, 696); // x from column 90 at 2 pixels a unit; bands of 200 rows
    w->pole()->repaint();

    EXPECT_EQ(odczyt_w(w, {690, 300}).toStdString(), "x=300.00   element 2   σ = 100.00000000");
    EXPECT_EQ(odczyt_w(w, {470, 500}).toStdString(), "x=190.00   węzeł 2   u = 0.047621048986912");
    EXPECT_EQ(odczyt_w(w, {300, 100}).toStdString(), "x=105.00   element 1   N = 20000.00000000");
    EXPECT_EQ(odczyt_w(w, {50, 100}).toStdString(), ""); // left of the axis

    otworz(plik_modelu(pret_dwuelementowy())); // the same window, the new model
    EXPECT_EQ(okno->okno_wykresow(), w);
    w->pole()->repaint();
    EXPECT_EQ(odczyt_w(w, {300, 300}).toStdString(), "x= 0.63   element 1   σ = 10.00000000");

    okno->Zwol_pam();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !okno->okno_wykresow(); }));
}

TEST_F(Wykresy, ThePictureAndTheReportFromTheMenuAreTheWindowsAndZentaObliczsBytes)
{
    okno->polecenie(1080); // nothing without a model: no dialog
    okno->polecenie(1090);
    const QString model = plik_modelu(pret_dwuelementowy());
    otworz(model);
    okno->polecenie(1120);
    const QString png = katalog.filePath("rysunek.png"), html = katalog.filePath("raport.html");
    const QString obrazy = "Rysunek PNG (*.png);;Rysunek SVG (*.svg)";
    skrypt->oczekuj_pliku(_ROZMOWA_::Wybor::zapisz, png, obrazy);
    okno->polecenie(1080);
    skrypt->oczekuj_pliku(_ROZMOWA_::Wybor::zapisz, html, "Raport HTML (*.html)");
    okno->polecenie(1090);

    QImage widok(okno->size(), QImage::Format_RGB32);
    okno->render(&widok, {}, {}, QWidget::DrawWindowBackground); // the picture without the read-out
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), widok);
    const QString rozmiar = QString("%1x%2").arg(okno->width()).arg(okno->height());
    EXPECT_EQ(zawartosc(png), z_zenta_oblicz({model, "--napr", "--rozmiar", rozmiar, "--rysunek",
                                              katalog.filePath("cli.png")},
                                             katalog.filePath("cli.png")));
    EXPECT_EQ(zawartosc(html), z_zenta_oblicz({model, "--raport", katalog.filePath("cli.html")},
                                              katalog.filePath("cli.html")));

    skrypt->oczekuj_pliku(_ROZMOWA_::Wybor::zapisz, katalog.filePath("nie_ma/rysunek.svg"), obrazy);
    skrypt->oczekuj_komunikatu("Nie można zapisać do pliku", "Błąd operacji dyskowej", _ROZMOWA_::Ikona::wykrzyknik);
    okno->polecenie(1080);

    // A name of another kind gets the chosen kind's ending; after an edit the
    // report says the model is no longer the file's.
    skrypt->oczekuj_pliku(_ROZMOWA_::Wybor::zapisz, katalog.filePath("rys.jpg"), obrazy, "Rysunek SVG (*.svg)");
    okno->polecenie(1080);
    EXPECT_FALSE(QFile::exists(katalog.filePath("rys.jpg")));
    EXPECT_TRUE(zawartosc(katalog.filePath("rys.jpg.svg")).startsWith("<?xml"));
    skrypt->oczekuj_dialogu<d_wymusz>([](d_wymusz& d) { wpisz(d.x, "0.5"); })
        .oczekuj_pliku(_ROZMOWA_::Wybor::zapisz, html, "Raport HTML (*.html)");
    okno->edytuj_wiersz({tabele::WierszDanych::Blok::podpora, 1});
    okno->polecenie(1090);
    EXPECT_TRUE(zawartosc(html).contains("Model <b>model.M1D</b>, zmieniony w oknie programu od wczytania z tego pliku ("));
}
