#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A regular file opened for reading. It is opened without blocking, so that a
// FIFO never holds the program, and checked before anything is read: a
// directory, a device, a FIFO or a socket is refused like a missing file,
// with the reason in Polish.
class PlikDoCzytania {
public:
    explicit PlikDoCzytania(const std::string& sciezka);
    ~PlikDoCzytania();
    PlikDoCzytania(const PlikDoCzytania&) = delete;
    PlikDoCzytania& operator=(const PlikDoCzytania&) = delete;

    bool otwarty() const { return fd_ >= 0; }
    // Why the file was not opened ("to jest katalog", "brak uprawnień", ...).
    const std::string& powod() const { return powod_; }
    // Its size when it was opened.
    std::uint64_t rozmiar() const { return rozmiar_; }

    // Up to `najwiecej` bytes at `cel`: how many were read, 0 at the end, below 0 on an error.
    std::ptrdiff_t czytaj(char* cel, std::size_t najwiecej);
    // Exactly `bajty` bytes; false when the file ended or failed first.
    bool czytaj_wszystkie(void* cel, std::size_t bajty);
    // Back to the first byte (after a look at the beginning).
    bool od_poczatku();

private:
    int fd_ = -1;
    std::uint64_t rozmiar_ = 0;
    std::string powod_;
};
