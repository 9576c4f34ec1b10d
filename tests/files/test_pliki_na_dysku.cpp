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

namespace {

namespace fs = std::filesystem;

// A folder of the test's own, holding `plik` with "stary" in it.
class PlikiNaDysku : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::remove_all(katalog_);
        fs::create_directories(katalog_);
        std::ofstream(plik_) << "stary";
    }
    void TearDown() override { fs::remove_all(katalog_); }

    std::string tresc() const
    {
        std::ifstream f(plik_, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    std::size_t plikow() const
    {
        return std::size_t(std::distance(fs::directory_iterator(katalog_), fs::directory_iterator()));
    }

    const fs::path katalog_ = fs::temp_directory_path() / // other checkouts run the same tests
                              ("zenta_pliki_" + std::to_string(::getpid()) + "_" +
                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    const std::string plik_ = (katalog_ / "plik").string();
};

} // namespace

// Links, modes (also those a umask of 077 takes away), ACLs, owners, loops,
// full disks are the hostile table's (zenta-oblicz and the window run it);
// here what only a signal does.

// Ended by a signal halfway: the old file whole and nothing beside it, with
// the unnamed temporary (kill -9 too) and with the named one made where there
// is none (the signals of Ctrl+C, kill and a logout).
TEST_F(PlikiNaDysku, ASignalMidWriteLeavesTheOldFileWholeAndNoTemporary)
{
    for (const auto& [nazwany, sygnal] : {std::pair{false, SIGINT}, {false, SIGTERM}, {false, SIGHUP}, {false, SIGKILL},
                                          {true, SIGINT}, {true, SIGTERM}, {true, SIGHUP}}) {
        const pid_t dziecko = ::fork();
        ASSERT_GE(dziecko, 0);
        if (dziecko == 0) {
            std::signal(sygnal, SIG_DFL);
            tylko_nazwane_pliki_tymczasowe(nazwany);
            zapisz_bezpiecznie(plik_, [s = sygnal](const Ujscie& u) { return u("po", 2) && !::raise(s) && u("ło", 3); });
            ::_exit(0);
        }
        int stan = 0;
        ASSERT_EQ(::waitpid(dziecko, &stan, 0), dziecko);
        EXPECT_TRUE(WIFSIGNALED(stan) && WTERMSIG(stan) == sygnal) << nazwany << " " << sygnal;
        EXPECT_EQ(tresc(), "stary");
        EXPECT_EQ(plikow(), 1u) << nazwany << " " << sygnal;
    }
}
