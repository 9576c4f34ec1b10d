#include "rysunek_pliku.h"

#include "gracz.h"
#include "kolory.h"
#include "plik_wyjsciowy.h"
#include "rysunek.h"
#include "svg.h"

#include <QBuffer>
#include <QImage>

// Both through the safe writer: a failure leaves an earlier file as it was.
bool zapisz_obraz(const QString& sciezka, const Rysunek& rysunek, QSize rozmiar, std::string& powod)
{
    if (sciezka.endsWith(".png", Qt::CaseInsensitive)) {
        QImage png(rozmiar, QImage::Format_RGB32);
        png.fill(Qt::white);
        odtworz(rysunek, png);
        QByteArray bajty;
        QBuffer bufor(&bajty);
        if (!bufor.open(QIODevice::WriteOnly) || !png.save(&bufor, "PNG")) {
            powod = "nie udało się zakodować PNG";
            return false;
        }
        return zapisz_plik(
            sciezka, [&bajty](const Ujscie& ujscie) { return ujscie(bajty.constData(), std::size_t(bajty.size())); },
            powod);
    }
    return zapisz_plik(
        sciezka,
        [&](const Ujscie& ujscie) {
            Strumien s(ujscie);
            OpcjeSvg opcje;
            opcje.miara = zmierz_tekst;
            zapisz_svg(rysunek, rozmiar.width(), rozmiar.height(), s, opcje);
            return s.zakoncz();
        },
        powod);
}

bool zapisz_rysunek(const QString& sciezka, QSize rozmiar, bool napr, std::string& powod)
{
    TablicaKolorow knapr{};
    Pasek_kol(knapr);
    return zapisz_obraz(sciezka,
                        rysuj(UstawieniaWidoku{napr, 1, &knapr}, rozmiar.width(), rozmiar.height()).rysunek,
                        rozmiar, powod);
}

std::optional<QSize> czytaj_rozmiar(const QString& tekst)
{
    const QStringList boki = tekst.split('x');
    if (boki.size() != 2)
        return std::nullopt;
    bool ok_w = false, ok_h = false;
    const int w = boki[0].toInt(&ok_w), h = boki[1].toInt(&ok_h);
    if (!ok_w || !ok_h || w <= 150 || h <= 150 || w > 20000 || h > 20000)
        return std::nullopt;
    return QSize(w, h);
}
