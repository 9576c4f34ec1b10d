#pragma once

#include <sys/types.h>

#include <string>

// A new file in the folder of `cel` that takes cel's place only once it is
// whole. Where the file system allows, it has no name until then
// (O_TMPFILE), so that nothing is left behind whatever ends the process.
// Elsewhere it is a hidden `.zenta-PID-N`, removed also when SIGINT, SIGTERM
// or SIGHUP ends the process (kill -9 leaves it). The name is short, so that
// it never limits cel's. Left to chance: kill -9 in the instant between
// naming a complete file and renaming it over cel leaves `.zenta-PID-N`.
// One such file at a time in a process.
class PlikTymczasowy {
public:
    // With `tryb` (before the umask), so that a private file is never readable by others.
    PlikTymczasowy(const std::string& cel, mode_t tryb);
    ~PlikTymczasowy(); // a file not put in place is removed
    PlikTymczasowy(const PlikTymczasowy&) = delete;
    PlikTymczasowy& operator=(const PlikTymczasowy&) = delete;

    // Below 0 when it could not be made (errno in blad()).
    int fd() const { return fd_; }
    int blad() const { return blad_; }
    // Flushed to the disk, closed and renamed over cel; false with blad() set.
    bool zastap_cel();

private:
    bool nadaj_nazwe();
    bool porazka();

    std::string cel_;
    std::string nazwa_; // once it has one
    int fd_ = -1;
    int blad_ = 0;
};

// For tests: a named temporary even where an unnamed one could be made.
void tylko_nazwane_pliki_tymczasowe(bool tak);

// The folder a path names its file in: "." for a bare name.
std::string folder_pliku(const std::string& sciezka);
