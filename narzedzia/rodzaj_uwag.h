#pragma once

#include "sprawdzenie.h"

#include <concepts>
#include <string>
#include <utility>
#include <vector>

// Collects the check's faults of one kind: names the first few, counts the rest.
class Rodzaj {
public:
    Rodzaj(std::vector<Uwaga>& uwagi, Waga waga, std::string czego, bool falszuje_wyniki = false)
        : uwagi_(uwagi), waga_(waga), czego_(std::move(czego)), falszuje_(falszuje_wyniki)
    {}
    ~Rodzaj()
    {
        if (pominiete_)
            uwagi_.push_back({waga_, "… i dalsze (" + std::to_string(pominiete_) + "): " + czego_, falszuje_});
    }
    Rodzaj(const Rodzaj&) = delete;
    Rodzaj& operator=(const Rodzaj&) = delete;

    // The text is made only when the item is named.
    template <typename Tekst>
        requires std::invocable<Tekst>
    void dodaj(Tekst tekst)
    {
        if (wymienione_ < najwiecej_wymienionych) {
            uwagi_.push_back({waga_, tekst(), falszuje_});
            ++wymienione_;
        } else
            ++pominiete_;
    }

private:
    std::vector<Uwaga>& uwagi_;
    Waga waga_;
    std::string czego_;
    bool falszuje_;
    int wymienione_ = 0;
    long long pominiete_ = 0;
};
