#include "strumien.h"

#include <cstring>

namespace {

constexpr std::size_t rozmiar_bufora = std::size_t{1} << 18;

} // namespace

Strumien::Strumien(Ujscie ujscie) : ujscie_(std::move(ujscie)), bufor_(new char[rozmiar_bufora]) {}

Strumien::Strumien(std::FILE* plik)
    : Strumien([plik](const void* dane, std::size_t bajty) { return std::fwrite(dane, 1, bajty, plik) == bajty; })
{
    dopchnij_ = [plik] { return std::fflush(plik) == 0 && !std::ferror(plik); };
}

Strumien::Strumien(std::ostream& o)
    : Strumien([&o](const void* dane, std::size_t bajty) {
          o.write(static_cast<const char*>(dane), std::streamsize(bajty));
          return bool(o);
      })
{
    dopchnij_ = [&o] { return bool(o.flush()); };
}

Strumien::~Strumien() { oproznij(); }

void Strumien::oproznij()
{
    if (zajete_ && !blad_)
        blad_ = !ujscie_(bufor_.get(), zajete_);
    zajete_ = 0;
}

char* Strumien::miejsce(std::size_t ile)
{
    if (rozmiar_bufora - zajete_ < ile)
        oproznij();
    return bufor_.get() + zajete_;
}

Strumien& Strumien::operator<<(std::string_view tekst)
{
    while (!tekst.empty()) {
        const std::size_t kawalek = std::min(tekst.size(), rozmiar_bufora);
        std::memcpy(miejsce(kawalek), tekst.data(), kawalek);
        zajete_ += kawalek;
        tekst.remove_prefix(kawalek);
    }
    return *this;
}

Strumien& Strumien::operator<<(char znak)
{
    *miejsce(1) = znak;
    ++zajete_;
    return *this;
}

Strumien& Strumien::liczba(double v, FormatLiczby f)
{
    char* p = miejsce(miejsce_na_liczbe);
    zajete_ += std::size_t(zapisz_liczbe(p, v, f) - p);
    return *this;
}

bool Strumien::zakoncz()
{
    oproznij();
    if (dopchnij_ && !blad_)
        blad_ = !dopchnij_();
    return !blad_;
}
