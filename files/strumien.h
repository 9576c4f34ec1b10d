#pragma once

#include "format.h"

#include <charconv>
#include <concepts>
#include <cstdio>
#include <functional>
#include <memory>
#include <ostream>
#include <string_view>

// Takes the next block of bytes of an output; false when it could not.
using Ujscie = std::function<bool(const void* dane, std::size_t bajty)>;

// Text written through one large buffer, numbers formatted straight into it:
// what every writer of tables, JSON, CSV, reports, pictures and text models
// writes with. The bytes go on to their destination in large blocks.
class Strumien {
public:
    explicit Strumien(Ujscie ujscie);
    explicit Strumien(std::FILE* plik); // flushed by zakoncz
    explicit Strumien(std::ostream& o);
    ~Strumien();
    Strumien(const Strumien&) = delete;
    Strumien& operator=(const Strumien&) = delete;

    Strumien& operator<<(std::string_view tekst);
    Strumien& operator<<(char znak);
    template <std::integral T>
        requires(!std::same_as<T, char> && !std::same_as<T, bool>)
    Strumien& operator<<(T liczba)
    {
        char* p = miejsce(24);
        zajete_ += std::size_t(std::to_chars(p, p + 24, liczba).ptr - p);
        return *this;
    }
    // The bytes printf writes for `v` in format `f`.
    Strumien& liczba(double v, FormatLiczby f);

    // Hands on everything written so far; false when any of it could not be.
    bool zakoncz();

private:
    char* miejsce(std::size_t ile);
    void oproznij();

    Ujscie ujscie_;
    std::function<bool()> dopchnij_; // after the last block (fflush of a FILE)
    std::unique_ptr<char[]> bufor_;
    std::size_t zajete_ = 0;
    bool blad_ = false;
};
