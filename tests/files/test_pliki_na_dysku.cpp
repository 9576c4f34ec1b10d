#include "plik_do_zapisu.h"
#include "plik_tymczasowy.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

// Links, modes (also those a umask of 077 takes away), ACLs, owners, loops,
// full disks are the hostile table's (zenta-oblicz and the window run it);
// here what only a signal does. Ended halfway: the old file whole and nothing
// beside it, with the unnamed temporary (kill -9 too) and with the named one
// made where there is none (the signals of Ctrl+C, kill and a logout).
TEST(PlikiNaDysku, ASignalMidWriteLeavesTheOldFileWholeAndNoTemporary)
{
    const fs::path katalog = fs::temp_directory_path() / ("zenta_pliki_" + std::to_string(::getpid()));
    fs::create_directories(katalog);
    const std::string plik = (katalog / "plik").string();
    std::ofstream(plik) << "stary";
    for (const bool nazwany : {false, true})
        for (const int sygnal : {SIGINT, SIGTERM, SIGHUP, SIGKILL}) {
            if (nazwany && sygnal == SIGKILL)
                continue; // what a named temporary does not survive
            const pid_t dziecko = ::fork();
            ASSERT_GE(dziecko, 0);
            if (dziecko == 0) {
                std::signal(sygnal, SIG_DFL);
                tylko_nazwane_pliki_tymczasowe(nazwany);
                zapisz_bezpiecznie(
                    plik, [sygnal](const Ujscie& u) { return u("po", 2) && !::raise(sygnal) && u("ło", 3); });
                ::_exit(0);
            }
            int stan = 0;
            ASSERT_EQ(::waitpid(dziecko, &stan, 0), dziecko);
            EXPECT_TRUE(WIFSIGNALED(stan) && WTERMSIG(stan) == sygnal) << nazwany << " " << sygnal;
            std::ifstream f(plik);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(f), {}), "stary");
            EXPECT_EQ(std::distance(fs::directory_iterator(katalog), fs::directory_iterator()), 1);
        }
    fs::remove_all(katalog);
}
