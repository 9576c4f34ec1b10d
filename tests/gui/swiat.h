#pragma once

#include "m1d.h"
#include "okno.h"
#include "pret.h"
#include "ramka.h"
#include "rozmowa_skrypt.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPointer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

// The desktop program's frame and main view, with a scripted user, and a
// temporary directory for files.
class Swiat : public ::testing::Test {
protected:
    void SetUp() override
    {
        okno = new _OKNO_(skrypt);
        ramka = new _RAMKA_("ZENTA", okno);
        ramka->resize(800, 600);
        ramka->show();
    }

    void TearDown() override
    {
        delete ramka.data();
        usun_model();
        EXPECT_EQ(skrypt->pozostale(), 0u) << "answers the program never asked for";
        QApplication::processEvents();
        qDeleteAll(QApplication::topLevelWidgets());
    }

    // A model file in the temporary directory.
    QString plik_modelu(const OpisPreta& opis, const QString& nazwa = "model.M1D")
    {
        const QString sciezka = katalog.filePath(nazwa);
        Tablice t = zbuduj_tablice(opis);
        std::ofstream plik(sciezka.toStdString(), std::ios::binary);
        zapisz_m1d(t, [&](const void* d, std::size_t n) {
            plik.write(static_cast<const char*>(d), std::streamsize(n));
            return bool(plik);
        });
        zwolnij_tablice(t);
        return sciezka;
    }

    // Opens a model through the menu command, the user choosing `sciezka`.
    void otworz(const QString& sciezka)
    {
        skrypt->oczekuj_pliku(_ROZMOWA_::Wybor::otworz, sciezka);
        okno->polecenie(1020);
    }

    QAction* akcja(int id) const
    {
        for (QAction* popup : ramka->menuBar()->actions()) {
            for (QAction* a : popup->menu()->actions())
                if (!a->isSeparator() && a->data().toInt() == id)
                    return a;
        }
        return nullptr;
    }

    std::shared_ptr<RozmowaSkrypt> skrypt = std::make_shared<RozmowaSkrypt>();
    QPointer<_RAMKA_> ramka;
    _OKNO_* okno = nullptr;
    QTemporaryDir katalog;
};

// Nodes at 0, 1, 3; areas 1 and 2; E = 100; fixed at node 1; force 10 at node 3.
inline OpisPreta pret_dwuelementowy()
{
    OpisPreta opis;
    opis.x = {0.0f, 1.0f, 3.0f};
    opis.a = {1.0f, 2.0f};
    opis.e = {100.0f, 100.0f};
    opis.si = {0.0f, 0.0f, 10.0f};
    opis.podpory = {{1, 0.0f}};
    return opis;
}
