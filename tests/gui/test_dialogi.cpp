#include "dialogi.h"
#include "model.h"
#include "okno.h"
#include "pola_rekordu.h"
#include "ramka.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <functional>

namespace {

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
        if (!w || w == ostatni_ || akcje_.empty() || !w->isVisible())
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

void wpisz_pole(QWidget* dialog, int id, const QString& tekst)
{
    auto* pole = dialog->findChild<QLineEdit*>(QString::number(id));
    ASSERT_TRUE(pole) << id;
    pole->selectAll();
    pole->del();
    QTest::keyClicks(pole, tekst);
}

Uzytkownik::Akcja wpisz_i_ok(std::vector<std::pair<int, QString>> pola)
{
    return [pola](QWidget* d) {
        for (const auto& [id, tekst] : pola)
            wpisz_pole(d, id, tekst);
        QTest::keyClick(d, Qt::Key_Return);
    };
}

} // namespace

// ---- one dialog and its record ----

TEST(Dialogi, ShowTheRecordsTextsAndOkCopiesEachFieldBackCutToItsWidth)
{
    d_dane_przek rekord{};
    wpisz(rekord.NRE, "7");
    wpisz(rekord.A, "2.5");
    wpisz(rekord.E, "210000.0");
    wpisz(rekord.alf, "0.0000120000");
    wpisz(rekord.dt, "35.0000");
    _D_DANE_PRZ dialog(nullptr, &rekord, 3010);
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Parametry przekroju");
    EXPECT_EQ(dialog.pole(8500)->text().toStdString(), "2.5");
    EXPECT_EQ(dialog.pole(8501)->maxLength(), 13);
    EXPECT_EQ(dialog.pole(8500)->maxLength(), 7);
    EXPECT_TRUE(dialog.pole(8004)->isReadOnly());
    EXPECT_EQ(dialog.pole(8004)->alignment() & Qt::AlignRight, Qt::AlignRight);

    Uzytkownik u({[](QWidget* d) {
        wpisz_pole(d, 8500, "123456789");
        wpisz_pole(d, 8503, "");
        QTest::keyClick(d, Qt::Key_Return);
    }});
    EXPECT_EQ(dialog.exec(), 1);
    EXPECT_EQ(std::string(rekord.A), "1234567");
    EXPECT_EQ(std::string(rekord.dt), "");
    EXPECT_EQ(std::string(rekord.NRE), "7");
    EXPECT_EQ(std::string(rekord.E), "210000.0");
    EXPECT_TRUE(u.skonczyl());
}

TEST(Dialogi, AnulujAndEscapeLeaveTheRecordByteForByte)
{
    d_wymusz rekord;
    std::memset(&rekord, 'q', sizeof rekord);
    wpisz(rekord.i, "1");
    wpisz(rekord.nu, "3");
    wpisz(rekord.x, "0.5");
    d_wymusz przed = rekord;
    for (bool escape : {false, true}) {
        _D_DANE_WYM dialog(nullptr, &rekord, 3030);
        Uzytkownik u({[escape](QWidget* d) {
            wpisz_pole(d, 8501, "9");
            if (escape)
                QTest::keyClick(d, Qt::Key_Escape);
            else
                d->findChild<QPushButton*>("2")->click();
        }});
        EXPECT_EQ(dialog.exec(), 2);
        EXPECT_EQ(std::memcmp(&rekord, &przed, sizeof rekord), 0);
    }
}

TEST(Dialogi, CountsAndNodeNumbersTakeDigitsOnly)
{
    d_dane_pods rekord{};
    _D_DANE_PODS dialog(nullptr, &rekord, 3000);
    Uzytkownik u({wpisz_i_ok({{3001, "-5x3"}, {3002, "12345"}, {3003, "1.5"}})});
    EXPECT_EQ(dialog.exec(), 1);
    EXPECT_EQ(std::string(rekord.d_il_elem), "53");
    EXPECT_EQ(std::string(rekord.d_il_przem), "123");
    EXPECT_EQ(std::string(rekord.d_il_sil), "15");
}

// ---- the whole wizard, typed into the real dialogs ----

TEST(Dialogi, ATwoElementBarTypedInGivesItsStresses)
{
    auto* okno = new _OKNO_();
    _RAMKA_ ramka("ZENTA", okno);
    ramka.show();
    Uzytkownik u({
        wpisz_i_ok({{3001, "2"}, {3002, "1"}, {3003, "1"}}),
        wpisz_i_ok({{8500, "1"}, {8501, "100"}}),
        wpisz_i_ok({{8500, "2"}, {8501, "100"}}),
        wpisz_i_ok({{8500, "0"}}),
        wpisz_i_ok({{8500, "1"}}),
        wpisz_i_ok({{8500, "3"}}),
        wpisz_i_ok({{8500, "1"}, {8501, "0"}}),
        wpisz_i_ok({{8500, "3"}, {8501, "10"}}),
    });
    okno->polecenie(1070);
    EXPECT_TRUE(u.skonczyl());
    ASSERT_FALSE(Pusty);
    EXPECT_FLOAT_EQ(stress[1], 10.0f);
    EXPECT_FLOAT_EQ(stress[2], 5.0f);
    EXPECT_FLOAT_EQ(react[1], -10.0f);
    zwolnij_model();
}
