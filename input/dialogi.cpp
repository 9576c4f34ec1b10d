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
constexpr PoleRekordu pola_pods[] = {
    {d_dane_pods::id_elem, offsetof(d_dane_pods, d_il_elem), sizeof d_dane_pods::d_il_elem},
    {d_dane_pods::id_przem, offsetof(d_dane_pods, d_il_przem), sizeof d_dane_pods::d_il_przem},
    {d_dane_pods::id_sil, offsetof(d_dane_pods, d_il_sil), sizeof d_dane_pods::d_il_sil}};
constexpr PoleRekordu pola_przek[] = {
    {d_dane_przek::id_NRE, offsetof(d_dane_przek, NRE), sizeof d_dane_przek::NRE},
    {d_dane_przek::id_A, offsetof(d_dane_przek, A), sizeof d_dane_przek::A},
    {d_dane_przek::id_E, offsetof(d_dane_przek, E), sizeof d_dane_przek::E},
    {d_dane_przek::id_alf, offsetof(d_dane_przek, alf), sizeof d_dane_przek::alf},
    {d_dane_przek::id_dt, offsetof(d_dane_przek, dt), sizeof d_dane_przek::dt}};
constexpr PoleRekordu pola_wsp[] = {{d_wsp::id_i, offsetof(d_wsp, i), sizeof d_wsp::i},
                                    {d_wsp::id_x, offsetof(d_wsp, x), sizeof d_wsp::x}};
constexpr PoleRekordu pola_wymusz[] = {{d_wymusz::id_i, offsetof(d_wymusz, i), sizeof d_wymusz::i},
                                       {d_wymusz::id_nu, offsetof(d_wymusz, nu), sizeof d_wymusz::nu},
                                       {d_wymusz::id_x, offsetof(d_wymusz, x), sizeof d_wymusz::x}};
constexpr PoleRekordu pola_sily[] = {{d_sily::id_i, offsetof(d_sily, i), sizeof d_sily::i},
                                     {d_sily::id_nr, offsetof(d_sily, nr), sizeof d_sily::nr},
                                     {d_sily::id_f, offsetof(d_sily, f), sizeof d_sily::f}};

constexpr PoleRekordu pola_obc_ciagle[] = {
    {d_obc_ciagle::id_pierwszy, offsetof(d_obc_ciagle, pierwszy), sizeof d_obc_ciagle::pierwszy},
    {d_obc_ciagle::id_ostatni, offsetof(d_obc_ciagle, ostatni), sizeof d_obc_ciagle::ostatni},
    {d_obc_ciagle::id_q, offsetof(d_obc_ciagle, q), sizeof d_obc_ciagle::q}};
constexpr PoleRekordu pola_ciezar[] = {
    {d_ciezar::id_gamma, offsetof(d_ciezar, gamma), sizeof d_ciezar::gamma},
    {d_ciezar::id_kierunek, offsetof(d_ciezar, kierunek), sizeof d_ciezar::kierunek}};
constexpr PoleRekordu pola_sprezyna[] = {{d_sprezyna::id_i, offsetof(d_sprezyna, i), sizeof d_sprezyna::i},
                                         {d_sprezyna::id_k, offsetof(d_sprezyna, k), sizeof d_sprezyna::k}};
constexpr PoleRekordu pola_podzial[] = {{d_podzial::id_i, offsetof(d_podzial, i), sizeof d_podzial::i},
                                        {d_podzial::id_x, offsetof(d_podzial, x), sizeof d_podzial::x}};
constexpr PoleRekordu pola_zlaczenie[] = {{d_zlaczenie::id_i, offsetof(d_zlaczenie, i), sizeof d_zlaczenie::i}};
constexpr PoleRekordu pola_nowy_element[] = {
    {d_nowy_element::id_l, offsetof(d_nowy_element, l), sizeof d_nowy_element::l},
    {d_nowy_element::id_A, offsetof(d_nowy_element, A), sizeof d_nowy_element::A},
    {d_nowy_element::id_E, offsetof(d_nowy_element, E), sizeof d_nowy_element::E}};
constexpr PoleRekordu pola_usuniecie_podpory[] = {
    {d_usuniecie_podpory::id_i, offsetof(d_usuniecie_podpory, i), sizeof d_usuniecie_podpory::i}};
constexpr PoleRekordu pola_podzial_kazdego[] = {
    {d_podzial_kazdego::id_k, offsetof(d_podzial_kazdego, k), sizeof d_podzial_kazdego::k}};

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

// A field shown, not typed into.
void zablokuj(QLineEdit* pole)
{
    pole->setReadOnly(true);
    pole->setAlignment(Qt::AlignRight);
    pole->setFocusPolicy(Qt::NoFocus);
}

void pokaz_caly(QLineEdit* pole, const QString& najszerszy)
{
    const int potrzeba = pole->fontMetrics().horizontalAdvance(najszerszy) + 12;
    if (potrzeba > pole->width())
        pole->resize(potrzeba, pole->height());
}

// A number field shows its number whole, and has room for a node number of
// a large model typed in its place.
void pokaz_caly(QLineEdit* pole)
{
    const bool cyfry = pole->validator() != nullptr;
    pokaz_caly(pole, cyfry && pole->text().size() < 7 ? QString(7, '0') : pole->text());
}

} // namespace

DialogZRekordem::DialogZRekordem(QWidget* rodzic, int resId, void* rekord, std::span<const PoleRekordu> pola)
    : QDialog(rodzic, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      rekord_(static_cast<char*>(rekord)), pola_(pola)
{
    zbuduj(*szablon(resId));
    wypelnij_z_rekordu();
    wskaz(pierwsze_pole);
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
        QWidget* w = utworz(k);
        w->setObjectName(QString::number(k.id));
        w->setGeometry(j.prostokat(k));
        if (auto* etykieta = qobject_cast<QLabel*>(w))
            nie_obcinaj(etykieta, k.styl & do_prawej);
    }
    for (const PoleRekordu& p : pola_)
        if (QLineEdit* e = pole(p.id))
            e->setMaxLength(p.szerokosc - 1);
}

QWidget* DialogZRekordem::utworz(const Kontrolka& k)
{
    switch (k.rodzaj) {
    case RodzajKontrolki::edycja: {
        auto* pole = new QLineEdit(this);
        if (k.styl & cyfry)
            pole->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), pole));
        if (k.styl & tylko_odczyt)
            zablokuj(pole);
        return pole;
    }
    case RodzajKontrolki::etykieta: {
        auto* etykieta = new QLabel(QString::fromUtf8(k.tekst), this);
        etykieta->setAlignment(((k.styl & do_prawej) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
        return etykieta;
    }
    case RodzajKontrolki::przycisk: {
        auto* przycisk = new QPushButton(QString::fromUtf8(k.tekst), this);
        przycisk->setAutoDefault(false);
        przycisk->setDefault(k.styl & domyslny);
        if (k.id == 1)
            connect(przycisk, &QPushButton::clicked, this, &DialogZRekordem::zatwierdz);
        else
            connect(przycisk, &QPushButton::clicked, this, [this] { done(2); });
        return przycisk;
    }
    case RodzajKontrolki::ramka:
        break;
    }
    auto* ramka = new QFrame(this);
    ramka->setFrameStyle(QFrame::Box | QFrame::Sunken); // etched
    ramka->lower();
    return ramka;
}

void DialogZRekordem::tylko_do_odczytu(int id)
{
    if (QLineEdit* e = pole(id)) {
        zablokuj(e);
        pokaz_caly(e);
    }
}

QLineEdit* DialogZRekordem::pole(int id) const { return findChild<QLineEdit*>(QString::number(id)); }

void DialogZRekordem::wypelnij_z_rekordu()
{
    for (const PoleRekordu& p : pola_) {
        QLineEdit* e = pole(p.id);
        e->setText(tekst_rekordu(rekord_ + p.przesuniecie, p.szerokosc));
        // A number wider than the template made its field grows to the right, into its frame.
        if (e->isReadOnly() || e->validator())
            pokaz_caly(e);
    }
}

// As when the user tabs into a field: what is typed replaces the offered text.
void DialogZRekordem::wskaz(int id)
{
    QLineEdit* wskazane = id == pierwsze_pole ? nullptr : pole(id);
    for (const PoleRekordu& p : pola_) {
        QLineEdit* e = pole(p.id);
        if (!wskazane && !e->isReadOnly())
            wskazane = e;
    }
    if (!wskazane)
        return;
    wskazane->setFocus(Qt::TabFocusReason);
    wskazane->selectAll();
}

void DialogZRekordem::zatwierdz()
{
    for (const PoleRekordu& p : pola_)
        zapisz_tekst(rekord_ + p.przesuniecie, p.szerokosc, pole(p.id)->text());
    done(1);
}

// Enter on a focused button presses that button ("Anuluj" cancels); anywhere
// else it is "OK".
void DialogZRekordem::keyPressEvent(QKeyEvent* zdarzenie)
{
    switch (zdarzenie->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* przycisk = qobject_cast<QPushButton*>(focusWidget()))
            przycisk->click();
        else
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

namespace {

bool pokaz(DialogZRekordem& d, int wskazane, int zablokowane)
{
    if (zablokowane)
        d.tylko_do_odczytu(zablokowane);
    d.wskaz(wskazane);
    return d.exec() == 1;
}

template <typename Dialog, typename Rekord>
bool pokaz(QWidget* rodzic, Rekord& rekord, int wskazane, int zablokowane = 0)
{
    Dialog d(rodzic, &rekord, Rekord::szablon);
    return pokaz(d, wskazane, zablokowane);
}

// The dialogs of what M1D files cannot hold need no class of their own.
template <typename Rekord, std::size_t N>
bool pokaz(QWidget* rodzic, Rekord& rekord, const PoleRekordu (&pola)[N], int wskazane, int zablokowane = 0)
{
    DialogZRekordem d(rodzic, Rekord::szablon, &rekord, pola);
    return pokaz(d, wskazane, zablokowane);
}

} // namespace

bool uruchom_dialog(QWidget* rodzic, d_dane_pods& r, int wskazane) { return pokaz<_D_DANE_PODS>(rodzic, r, wskazane); }
bool uruchom_dialog(QWidget* rodzic, d_dane_przek& r, int wskazane) { return pokaz<_D_DANE_PRZ>(rodzic, r, wskazane); }
bool uruchom_dialog(QWidget* rodzic, d_wsp& r, int wskazane) { return pokaz<_D_DANE_WSP>(rodzic, r, wskazane); }
bool uruchom_dialog(QWidget* rodzic, d_wymusz& r, int wskazane) { return pokaz<_D_DANE_WYM>(rodzic, r, wskazane); }
bool uruchom_dialog(QWidget* rodzic, d_sily& r, int wskazane, bool staly_wezel)
{
    return pokaz<_D_DANE_SIL>(rodzic, r, wskazane, staly_wezel ? d_sily::id_nr : 0);
}
bool uruchom_dialog(QWidget* rodzic, d_obc_ciagle& r, int wskazane)
{
    return pokaz(rodzic, r, pola_obc_ciagle, wskazane);
}
bool uruchom_dialog(QWidget* rodzic, d_ciezar& r, int wskazane)
{
    return pokaz(rodzic, r, pola_ciezar, wskazane);
}
bool uruchom_dialog(QWidget* rodzic, d_sprezyna& r, int wskazane, bool staly_wezel)
{
    return pokaz(rodzic, r, pola_sprezyna, wskazane, staly_wezel ? d_sprezyna::id_i : 0);
}
bool uruchom_dialog(QWidget* rodzic, d_podzial& r, int wskazane) { return pokaz(rodzic, r, pola_podzial, wskazane); }
bool uruchom_dialog(QWidget* rodzic, d_zlaczenie& r, int wskazane)
{
    return pokaz(rodzic, r, pola_zlaczenie, wskazane);
}
bool uruchom_dialog(QWidget* rodzic, d_nowy_element& r, int wskazane)
{
    return pokaz(rodzic, r, pola_nowy_element, wskazane);
}
bool uruchom_dialog(QWidget* rodzic, d_usuniecie_podpory& r, int wskazane)
{
    return pokaz(rodzic, r, pola_usuniecie_podpory, wskazane);
}
bool uruchom_dialog(QWidget* rodzic, d_podzial_kazdego& r, int wskazane)
{
    return pokaz(rodzic, r, pola_podzial_kazdego, wskazane);
}
