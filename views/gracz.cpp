#include "gracz.h"

#include "piksele.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <map>
#include <type_traits>
#include <vector>

namespace {

QRgb kolor_qt(Kolor k) { return qRgb(czerwony(k), zielony(k), niebieski(k)); }

// Pixels of the picture into device pixels of the image: picture pixel x
// covers device columns [X(x), X(x + 1)).
class Rastrowanie : public Wypelnianie {
public:
    explicit Rastrowanie(QImage& obraz)
        : piksele_(reinterpret_cast<QRgb*>(obraz.bits())), wiersz_(obraz.bytesPerLine() / int(sizeof(QRgb))),
          w_urz_(obraz.width()), h_urz_(obraz.height()), skala_(obraz.devicePixelRatio()),
          w_(int(std::ceil(w_urz_ / skala_))), h_(int(std::ceil(h_urz_ / skala_)))
    {
    }

    void wypelnij(int x1, int y1, int x2, int y2, Kolor k) override { wypelnij_qt(x1, y1, x2, y2, kolor_qt(k)); }

    void operator()(const Prostokat& r) { wypelnienia(r, *this); }
    void operator()(const Linia& l) { wypelnienia(l, w_, h_, *this); }

    // The rectangles in turn, as if each were drawn over the ones before: taken
    // from the last, each column keeps the run of rows already final, which
    // (every area crossing the axis row) stays one run, and only the rows
    // outside it are set.
    void operator()(const ProstokatyNaOsi& s)
    {
        const bool na_osi = std::all_of(s.prostokaty.begin(), s.prostokaty.end(), [&](const Prostokat& r) {
            const Obszar a = obszar(r);
            return a.gora <= s.wiersz && s.wiersz <= a.dol;
        });
        if (!na_osi) {
            for (const Prostokat& r : s.prostokaty)
                (*this)(r);
            return;
        }
        std::vector<int> gotowe_od(std::size_t(std::max(w_, 0)), s.wiersz + 1), gotowe_do(gotowe_od.size(), s.wiersz);
        for (auto r = s.prostokaty.rbegin(); r != s.prostokaty.rend(); ++r) {
            const Obszar a = obszar(*r);
            const Pas pas{kolor_qt(r->pioro.kolor), kolor_qt(r->wypelnienie), wnetrze(*r)};
            for (int x = std::max(a.lewo, 0); x <= std::min(a.prawo, w_ - 1); ++x) {
                int& od = gotowe_od[std::size_t(x)];
                int& do_ = gotowe_do[std::size_t(x)];
                kolumna(x, a.gora, std::min(a.dol, od - 1), pas);
                kolumna(x, std::max(a.gora, do_ + 1), a.dol, pas);
                od = std::min(od, a.gora);
                do_ = std::max(do_, a.dol);
            }
        }
    }

private:
    // A rectangle's colours and its interior (empty when lewo > prawo).
    struct Pas {
        QRgb pioro, wypelnienie;
        Obszar wnetrze;
    };

    static Obszar wnetrze(const Prostokat& r)
    {
        const int wewn = (std::max(1, r.pioro.grubosc) - 1) / 2 + 1;
        if (r.prawo <= r.lewo || r.dol <= r.gora)
            return {1, 1, 0, 0};
        return {r.lewo + wewn, r.gora + wewn, r.prawo - 1 - wewn, r.dol - 1 - wewn};
    }

    // Rows [od, do_] of column x: fill colour on the interior rows, pen colour elsewhere.
    void kolumna(int x, int od, int do_, const Pas& p)
    {
        if (od > do_)
            return;
        const Obszar& w = p.wnetrze;
        if (x < w.lewo || x > w.prawo || w.gora > w.dol) {
            wypelnij_qt(x, od, x, do_, p.pioro);
            return;
        }
        wypelnij_qt(x, od, x, std::min(do_, w.gora - 1), p.pioro);
        wypelnij_qt(x, std::max(od, w.gora), x, std::min(do_, w.dol), p.wypelnienie);
        wypelnij_qt(x, std::max(od, w.dol + 1), x, do_, p.pioro);
    }

    int urzadzenia(int v) const { return int(std::floor(v * skala_)); }

    void wypelnij_qt(int x1, int y1, int x2, int y2, QRgb kolor)
    {
        x1 = std::max(x1, 0);
        y1 = std::max(y1, 0);
        x2 = std::min(x2, w_ - 1);
        y2 = std::min(y2, h_ - 1);
        if (x1 > x2 || y1 > y2)
            return;
        const int ux1 = urzadzenia(x1), ux2 = std::min(urzadzenia(x2 + 1), w_urz_);
        const int uy1 = urzadzenia(y1), uy2 = std::min(urzadzenia(y2 + 1), h_urz_);
        for (int y = uy1; y < uy2; ++y) {
            QRgb* wiersz = piksele_ + std::ptrdiff_t(y) * wiersz_;
            std::fill(wiersz + ux1, wiersz + ux2, kolor);
        }
    }

    QRgb* piksele_;
    int wiersz_;        // device pixels from one row to the next
    int w_urz_, h_urz_; // device size
    double skala_;      // device pixels per picture pixel
    int w_, h_;         // picture size
};

// Fonts by height, made once: finding the em of a height measures several.
const QFont& czcionka(int wysokosc)
{
    static std::map<int, QFont> czcionki;
    auto it = czcionki.find(wysokosc);
    if (it == czcionki.end())
        it = czcionki.emplace(wysokosc, czcionka_o_wysokosci(wysokosc)).first;
    return it->second;
}

void napisy(QImage& obraz, const Rysunek& rysunek, std::size_t od, std::size_t do_)
{
    QPainter m(&obraz);
    m.setBackgroundMode(Qt::TransparentMode);
    int wysokosc = -1;
    for (std::size_t k = od; k < do_; ++k) {
        const Tekst& t = std::get<Tekst>(rysunek[k]);
        if (t.wysokosc != wysokosc) {
            wysokosc = t.wysokosc;
            m.setFont(czcionka(std::max(1, wysokosc)));
        }
        const QString tekst = QString::fromStdString(t.tekst);
        const QFontMetrics miary = m.fontMetrics();
        m.fillRect(QRect(t.x, t.y, miary.horizontalAdvance(tekst), std::max(1, wysokosc)), QColor(kolor_qt(t.tlo)));
        m.setPen(QColor(kolor_qt(t.kolor)));
        m.drawText(QPoint(t.x, t.y + miary.ascent()), tekst);
    }
}

} // namespace

QFont czcionka_o_wysokosci(int wysokosc)
{
    QFont f("Arial");
    f.setWeight(QFont::Normal);
    for (int em = std::max(1, wysokosc); em > 1; --em) {
        f.setPixelSize(em);
        if (QFontMetrics(f).height() <= wysokosc)
            return f;
    }
    f.setPixelSize(1);
    return f;
}

MiaraNapisu zmierz_tekst(const Tekst& t)
{
    const QFont& f = czcionka(std::max(1, t.wysokosc));
    const QFontMetrics miary(f);
    return {f.pixelSize(), miary.ascent(), miary.horizontalAdvance(QString::fromStdString(t.tekst))};
}

// Text goes through a painter a run at a time; the pixels are set directly
// while no painter is open on the image.
void odtworz(const Rysunek& rysunek, QImage& obraz)
{
    Rastrowanie r(obraz);
    for (std::size_t k = 0; k < rysunek.size();) {
        if (std::holds_alternative<Tekst>(rysunek[k])) {
            std::size_t koniec = k;
            while (koniec < rysunek.size() && std::holds_alternative<Tekst>(rysunek[koniec]))
                ++koniec;
            napisy(obraz, rysunek, k, koniec);
            k = koniec;
            continue;
        }
        std::visit([&r](const auto& element) {
            if constexpr (!std::is_same_v<std::decay_t<decltype(element)>, Tekst>)
                r(element);
        }, rysunek[k]);
        ++k;
    }
}

void odtworz(const Rysunek& rysunek, QPainter& malarz, int szerokosc, int wysokosc, Kolor tlo)
{
    if (szerokosc <= 0 || wysokosc <= 0)
        return;
    const qreal skala = malarz.device() ? malarz.device()->devicePixelRatioF() : 1.0;
    QImage obraz(int(std::ceil(szerokosc * skala)), int(std::ceil(wysokosc * skala)), QImage::Format_RGB32);
    obraz.setDevicePixelRatio(skala);
    obraz.fill(kolor_qt(tlo));
    odtworz(rysunek, obraz);
    malarz.drawImage(QPointF(0, 0), obraz);
}
