#pragma once

#include "m1d.h"
#include "okno.h"
#include "pret.h"
#include "ramka.h"
#include "rozmowa_skrypt.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QPointer>
#include <QTemporaryDir>

#include <gtest/gtest.h>


// The bytes of a file (none when it cannot be read).
inline QByteArray zawartosc(const QString& sciezka)
{
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

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
        EXPECT_TRUE(zapisz_plik_modelu(opis, sciezka.toStdString()));
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

