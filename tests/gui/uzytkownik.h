#pragma once

// A user at the keyboard for the tests that drive the real dialogs: keys go
// to whatever has the focus, one action to each modal dialog that appears.

#include "instalacja.h"
#include "okno.h"
#include "pret.h"
#include "ramka.h"

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>

// A user at the keyboard: each action runs on the next modal dialog that
// appears. A watchdog closes what is left after a few seconds and fails the test.
class Uzytkownik {
public:
    using Akcja = std::function<void(QWidget* dialog)>;

    explicit Uzytkownik(std::deque<Akcja> akcje) : akcje_(std::move(akcje))
    {
        QObject::connect(&zegar_, &QTimer::timeout, [this] { rozejrzyj_sie(); });
        zegar_.start(5);
        QObject::connect(&straznik_, &QTimer::timeout, [this] {
            ADD_FAILURE() << "a dialog was left waiting";
            akcje_.clear();
            if (QWidget* w = QApplication::activeModalWidget())
                w->close();
        });
        straznik_.setSingleShot(true);
        straznik_.start(10000);
    }
    bool skonczyl() const { return akcje_.empty(); }

private:
    void rozejrzyj_sie()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w == ostatni_ || akcje_.empty() || !w->isVisible() || !w->isActiveWindow())
            return;
        ostatni_ = w;
        Akcja akcja = std::move(akcje_.front());
        akcje_.pop_front();
        akcja(w);
    }

    std::deque<Akcja> akcje_;
    QPointer<QWidget> ostatni_;
    QTimer zegar_, straznik_;
};

// Keys go where the user's keys go: to the widget that has the focus.
inline void nacisnij(Qt::Key klawisz, Qt::KeyboardModifiers z = Qt::NoModifier)
{
    ASSERT_TRUE(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), klawisz, z);
}

inline void napisz(const QString& tekst)
{
    ASSERT_TRUE(QApplication::focusWidget());
    QTest::keyClicks(QApplication::focusWidget(), tekst);
}

// Types each text into the field that has the focus, Tab between them, then
// Enter: what a quick user does with the offered texts.
inline Uzytkownik::Akcja wpisz_i_enter(const QStringList& teksty)
{
    return [teksty](QWidget*) {
        for (qsizetype k = 0; k < teksty.size(); ++k) {
            if (k > 0)
                nacisnij(Qt::Key_Tab);
            napisz(teksty[k]);
        }
        nacisnij(Qt::Key_Return);
    };
}

inline Uzytkownik::Akcja klawisz(Qt::Key k)
{
    return [k](QWidget*) { nacisnij(k); };
}


// The frame and the main view as the program makes them, its dialogs real.
class ZKlawiatury : public ::testing::Test {
protected:
    void SetUp() override
    {
        okno = new _OKNO_();
        ramka = new _RAMKA_("ZENTA", okno);
        ramka->show();
    }
    void TearDown() override
    {
        delete ramka.data();
        usun_model();
        QApplication::processEvents();
    }
    void otworz(const OpisPreta& opis)
    {
        usun_model();
        zainstaluj_model(zbuduj_tablice(opis));
    }

    QPointer<_RAMKA_> ramka;
    _OKNO_* okno = nullptr;
};
