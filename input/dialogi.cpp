#include "dialogi.h"

#include "szablony.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <cstring>

namespace {

// Record fields back to back, in exchange order.
constexpr PoleRekordu pola_pods[] = {{3001, offsetof(d_dane_pods, d_il_elem), 4},
                                     {3002, offsetof(d_dane_pods, d_il_przem), 4},
                                     {3003, offsetof(d_dane_pods, d_il_sil), 4}};
constexpr PoleRekordu pola_przek[] = {{8004, offsetof(d_dane_przek, NRE), 6},
                                      {8500, offsetof(d_dane_przek, A), 8},
                                      {8501, offsetof(d_dane_przek, E), 14},
                                      {8502, offsetof(d_dane_przek, alf), 14},
                                      {8503, offsetof(d_dane_przek, dt), 8}};
constexpr PoleRekordu pola_wsp[] = {{8004, offsetof(d_wsp, i), 5}, {8500, offsetof(d_wsp, x), 8}};
constexpr PoleRekordu pola_wymusz[] = {{8004, offsetof(d_wymusz, i), 4},
                                       {8500, offsetof(d_wymusz, nu), 5},
                                       {8501, offsetof(d_wymusz, x), 8}};
constexpr PoleRekordu pola_sily[] = {
    {8004, offsetof(d_sily, i), 4}, {8500, offsetof(d_sily, nr), 5}, {8501, offsetof(d_sily, f), 8}};

// Pixels of dialog units in the dialog's font: x = dlu · average width / 4,
// y = dlu · height / 8.
struct Jednostki {
    double szerokosc_znaku, wysokosc_znaku;
    int x(int dlu) const { return int(dlu * szerokosc_znaku / 4.0 + 0.5); }
    int y(int dlu) const { return int(dlu * wysokosc_znaku / 8.0 + 0.5); }
    QRect prostokat(const Kontrolka& k) const
    {
        return {x(k.x), y(k.y), x(k.szerokosc), y(k.wysokosc)};
    }
};

Jednostki jednostki(const QFont& czcionka)
{
    const QFontMetrics miary(czcionka);
    const QString alfabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    return {miary.horizontalAdvance(alfabet) / 52.0, double(miary.height())};
}

// The text up to the first NUL, at most the field's width.
QString tekst_rekordu(const char* pole, int szerokosc)
{
    return QString::fromUtf8(pole, qsizetype(strnlen(pole, std::size_t(szerokosc))));
}

// At most szerokosc - 1 bytes, never cutting a character in two, then a NUL.
void zapisz_tekst(char* pole, int szerokosc, const QString& tekst)
{
    QByteArray bajty = tekst.toUtf8();
    qsizetype dlugosc = std::min<qsizetype>(bajty.size(), szerokosc - 1);
    while (dlugosc > 0 && dlugosc < bajty.size() && (bajty[dlugosc] & 0xC0) == 0x80)
        --dlugosc;
    std::memcpy(pole, bajty.constData(), std::size_t(dlugosc));
    pole[dlugosc] = '\0';
}

// A face wider than the one the templates were drawn for must not cut a label
// short: the label grows into the free space on its text's open side.
void nie_obcinaj(QLabel* etykieta, bool do_prawej)
{
    const int potrzeba = etykieta->fontMetrics().horizontalAdvance(etykieta->text()) + 2;
    QRect r = etykieta->geometry();
    if (potrzeba <= r.width())
        return;
    if (do_prawej)
        r.setLeft(std::max(0, r.right() + 1 - potrzeba));
    else
        r.setWidth(potrzeba);
    etykieta->setGeometry(r);
}

} // namespace

DialogZRekordem::DialogZRekordem(QWidget* rodzic, int resId, void* rekord, std::span<const PoleRekordu> pola)
    : QDialog(rodzic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      rekord_(static_cast<char*>(rekord)), pola_(pola)
{
    zbuduj(*szablon(resId));
    wypelnij_z_rekordu();
}

void DialogZRekordem::zbuduj(const Szablon& s)
{
    // Without the Windows face, a narrow sans serif keeps the labels within their rectangles.
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arial"});
    QFont czcionka("MS Sans Serif");
    czcionka.setPointSize(8);
    setFont(czcionka);
    setWindowTitle(QString::fromUtf8(s.tytul));
    const Jednostki j = jednostki(czcionka);
    resize(j.x(s.szerokosc), j.y(s.wysokosc));
    if (parentWidget())
        move(parentWidget()->mapToGlobal(QPoint(j.x(s.x), j.y(s.y))));

    for (const Kontrolka& k : s.kontrolki) {
        QWidget* w = nullptr;
        switch (k.rodzaj) {
        case RodzajKontrolki::edycja: {
            auto* pole = new QLineEdit(this);
            if (k.styl & cyfry)
                pole->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), pole));
            if (k.styl & tylko_odczyt) {
                pole->setReadOnly(true);
                pole->setAlignment(Qt::AlignRight);
                pole->setFocusPolicy(Qt::NoFocus);
            }
            w = pole;
            break;
        }
        case RodzajKontrolki::etykieta: {
            auto* etykieta = new QLabel(QString::fromUtf8(k.tekst), this);
            etykieta->setAlignment(((k.styl & do_prawej) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
            w = etykieta;
            break;
        }
        case RodzajKontrolki::przycisk: {
            auto* przycisk = new QPushButton(QString::fromUtf8(k.tekst), this);
            przycisk->setAutoDefault(false);
            przycisk->setDefault(k.styl & domyslny);
            if (k.id == 1)
                connect(przycisk, &QPushButton::clicked, this, &DialogZRekordem::zatwierdz);
            else
                connect(przycisk, &QPushButton::clicked, this, [this] { done(2); });
            w = przycisk;
            break;
        }
        case RodzajKontrolki::ramka: {
            auto* ramka = new QFrame(this);
            ramka->setFrameStyle(QFrame::Box | QFrame::Sunken); // etched
            ramka->lower();
            w = ramka;
            break;
        }
        }
        w->setObjectName(QString::number(k.id));
        w->setGeometry(j.prostokat(k));
        if (auto* etykieta = qobject_cast<QLabel*>(w))
            nie_obcinaj(etykieta, k.styl & do_prawej);
    }
    for (const PoleRekordu& p : pola_)
        if (QLineEdit* e = pole(p.id))
            e->setMaxLength(p.szerokosc - 1);
}

QLineEdit* DialogZRekordem::pole(int id) const { return findChild<QLineEdit*>(QString::number(id)); }

void DialogZRekordem::wypelnij_z_rekordu()
{
    for (const PoleRekordu& p : pola_)
        pole(p.id)->setText(tekst_rekordu(rekord_ + p.przesuniecie, p.szerokosc));
}

void DialogZRekordem::zatwierdz()
{
    for (const PoleRekordu& p : pola_)
        zapisz_tekst(rekord_ + p.przesuniecie, p.szerokosc, pole(p.id)->text());
    done(1);
}

void DialogZRekordem::keyPressEvent(QKeyEvent* zdarzenie)
{
    switch (zdarzenie->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        zatwierdz();
        break;
    case Qt::Key_Escape:
        done(2);
        break;
    default:
        QDialog::keyPressEvent(zdarzenie);
    }
}

_D_DANE_PODS::_D_DANE_PODS(QWidget* parent, d_dane_pods* dane, int resId)
    : DialogZRekordem(parent, resId, dane, pola_pods)
{
}
_D_DANE_PRZ::_D_DANE_PRZ(QWidget* parent, d_dane_przek* danep, int resId)
    : DialogZRekordem(parent, resId, danep, pola_przek)
{
}
_D_DANE_WSP::_D_DANE_WSP(QWidget* parent, d_wsp* danew, int resId)
    : DialogZRekordem(parent, resId, danew, pola_wsp)
{
}
_D_DANE_WYM::_D_DANE_WYM(QWidget* parent, d_wymusz* danewy, int resId)
    : DialogZRekordem(parent, resId, danewy, pola_wymusz)
{
}
_D_DANE_SIL::_D_DANE_SIL(QWidget* parent, d_sily* danes, int resId)
    : DialogZRekordem(parent, resId, danes, pola_sily)
{
}

bool uruchom_dialog(QWidget* rodzic, int szablon, void* rekord)
{
    switch (szablon) {
    case 3000:
        return _D_DANE_PODS(rodzic, static_cast<d_dane_pods*>(rekord), 3000).exec() == 1;
    case 3010:
        return _D_DANE_PRZ(rodzic, static_cast<d_dane_przek*>(rekord), 3010).exec() == 1;
    case 3020:
        return _D_DANE_WSP(rodzic, static_cast<d_wsp*>(rekord), 3020).exec() == 1;
    case 3030:
        return _D_DANE_WYM(rodzic, static_cast<d_wymusz*>(rekord), 3030).exec() == 1;
    case 3040:
        return _D_DANE_SIL(rodzic, static_cast<d_sily*>(rekord), 3040).exec() == 1;
    default:
        return false;
    }
}
