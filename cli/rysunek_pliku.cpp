#include "rysunek_pliku.h"

#include "gracz.h"
#include "kolory.h"
#include "rysunek.h"
#include "svg.h"

#include <QFile>
#include <QImage>

#include <fstream>

bool zapisz_obraz(const QString& sciezka, const Rysunek& rysunek, QSize rozmiar)
{
    if (sciezka.endsWith(".png", Qt::CaseInsensitive)) {
        QImage png(rozmiar, QImage::Format_RGB32);
        png.fill(Qt::white);
        odtworz(rysunek, png);
        return png.save(sciezka, "PNG");
    }
    std::ofstream plik(QFile::encodeName(sciezka).toStdString(), std::ios::binary);
    zapisz_svg(rysunek, rozmiar.width(), rozmiar.height(), plik, zmierz_tekst);
    plik.close();
    return bool(plik);
}

bool zapisz_rysunek(const QString& sciezka, QSize rozmiar, bool napr)
{
    TablicaKolorow knapr{};
    Pasek_kol(knapr);
    return zapisz_obraz(sciezka,
                        rysuj(UstawieniaWidoku{napr, 1, &knapr}, rozmiar.width(), rozmiar.height()).rysunek,
                        rozmiar);
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
