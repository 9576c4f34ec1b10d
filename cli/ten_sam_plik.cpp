#include "ten_sam_plik.h"

#include "argumenty.h"

#include <sys/stat.h>

#include <vector>

namespace {

// Every file the command writes; "-" for standard output.
std::vector<QString> wyjscia(const Polecenie& c)
{
    std::vector<QString> w;
    for (const QString* plik : {&c.rysunek, &c.raport, &c.wyjscie})
        if (!plik->isEmpty())
            w.push_back(*plik);
    for (const auto& [rodzaj, plik] : c.wykresy)
        w.push_back(plik);
    if (c.tryb == Tryb::sprawdzenie || (c.tryb == Tryb::obliczenia && c.wypisz) ||
        (c.tryb == Tryb::do_tekstu && c.wyjscie.isEmpty()))
        w.push_back("-");
    return w;
}

// The regular file a name stands for; "-" is the descriptor `fd`.
std::optional<struct stat> plik_o_nazwie(const QString& nazwa, int fd)
{
    struct stat st {};
    const bool jest = nazwa == "-" ? ::fstat(fd, &st) == 0 : ::stat(bajty_nazwy(nazwa).c_str(), &st) == 0;
    return jest && S_ISREG(st.st_mode) ? std::optional<struct stat>(st) : std::nullopt;
}

} // namespace

std::optional<std::string> wyjscie_na_modelu(const Polecenie& c)
{
    const std::optional<struct stat> model = plik_o_nazwie(c.model, 0);
    for (const QString& w : wyjscia(c)) {
        const std::optional<struct stat> cel = plik_o_nazwie(w, 1);
        const bool ten_sam = model ? cel && cel->st_dev == model->st_dev && cel->st_ino == model->st_ino
                                   : w == c.model && w != "-";
        if (ten_sam)
            return (w == "-" ? std::string("Standardowe wyjście")
                             : "Plik wynikowy „" + bajty_nazwy(w) + "”") +
                   " to plik modelu: zapis zniszczyłby model.";
    }
    return std::nullopt;
}
