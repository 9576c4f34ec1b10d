#include "plik_do_zapisu.h"
#include "plik_tymczasowy.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

class PlikiNaDysku : public ::testing::Test {
protected:
    void SetUp() override
    {
        katalog_ = fs::temp_directory_path() /
                   ("zenta_pliki_" + std::to_string(::getpid()) + "_" + // other checkouts run the same tests
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(katalog_);
        fs::create_directories(katalog_);
    }
    void TearDown() override
    {
        fs::permissions(katalog_, fs::perms::owner_all);
        fs::remove_all(katalog_);
    }

    std::string sciezka(const char* nazwa) const { return (katalog_ / nazwa).string(); }

    fs::path katalog_;
};

std::string tresc(const std::string& sciezka)
{
    std::ifstream plik(sciezka, std::ios::binary);
    return {std::istreambuf_iterator<char>(plik), std::istreambuf_iterator<char>()};
}

void napisz(const std::string& sciezka, const std::string& bajty) { std::ofstream(sciezka, std::ios::binary) << bajty; }

// What zapisz_bezpiecznie writes: the given bytes, in pieces of 4096.
bool zapisz(const std::string& sciezka, const std::string& bajty, std::string* powod = nullptr)
{
    return zapisz_bezpiecznie(
        sciezka,
        [&bajty](const Ujscie& ujscie) {
            for (std::size_t i = 0; i < bajty.size(); i += 4096)
                if (!ujscie(bajty.data() + i, std::min<std::size_t>(4096, bajty.size() - i)))
                    return false;
            return true;
        },
        powod);
}

// Only the names the test made itself: no temporary file left behind.
std::size_t plikow_w(const fs::path& katalog)
{
    return std::size_t(std::distance(fs::directory_iterator(katalog), fs::directory_iterator()));
}

} // namespace

// A FIFO, a directory, a missing folder and /dev/stdout are the tests of
// zenta-oblicz and the window; here a symlink loop.
TEST_F(PlikiNaDysku, ASymlinkLoopIsRefusedAndKept)
{
    std::string powod;
    fs::create_symlink(sciezka("petla"), sciezka("petla"));
    EXPECT_FALSE(zapisz(sciezka("petla"), "x", &powod));
    EXPECT_EQ(powod, "za dużo dowiązań symbolicznych (dowiązanie wskazuje samo na siebie?)");
    EXPECT_TRUE(fs::is_symlink(sciezka("petla")));
}

TEST_F(PlikiNaDysku, OverwritingKeepsTheFilesModeOwnerLinksAndSymlinks)
{
    const std::string plik = sciezka("plik"), dowiazanie = sciezka("dowiazanie"), twardy = sciezka("twardy");
    napisz(plik, "stary");
    fs::permissions(plik, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(plik.c_str(), 65534, 65534), 0);
    }
    const mode_t maska = ::umask(077); // the new file is made under it: the old mode must be given back
    EXPECT_TRUE(zapisz(plik, "nowy"));
    ::umask(maska);
    struct stat st {};
    ASSERT_EQ(::stat(plik.c_str(), &st), 0);
    EXPECT_EQ(tresc(plik), "nowy");
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(st.st_uid, 65534u);
    }

    fs::create_symlink(plik, dowiazanie);
    EXPECT_TRUE(zapisz(dowiazanie, "przez dowiązanie"));
    EXPECT_TRUE(fs::is_symlink(dowiazanie));
    EXPECT_EQ(tresc(plik), "przez dowiązanie");

    fs::create_hard_link(plik, twardy);
    EXPECT_TRUE(zapisz(twardy, "oba"));
    EXPECT_EQ(tresc(plik), "oba");
    EXPECT_EQ(fs::hard_link_count(plik), 2u);
    EXPECT_EQ(plikow_w(katalog_), 3u);
}

// Ended by a signal halfway: the old file whole and nothing beside it, with
// the unnamed temporary (kill -9 too) and with the named one made where there
// is none (the signals of Ctrl+C, kill and a logout).
TEST_F(PlikiNaDysku, ASignalMidWriteLeavesTheOldFileWholeAndNoTemporary)
{
    const std::string plik = sciezka("plik");
    napisz(plik, "stary");
    for (const bool nazwany : {false, true})
        for (const int sygnal : {SIGINT, SIGTERM, SIGHUP, SIGKILL}) {
            if (nazwany && sygnal == SIGKILL)
                continue;
            const pid_t dziecko = ::fork();
            ASSERT_GE(dziecko, 0);
            if (dziecko == 0) {
                std::signal(sygnal, SIG_DFL);
                tylko_nazwane_pliki_tymczasowe(nazwany);
                zapisz_bezpiecznie(plik, [sygnal](const Ujscie& u) { return u("po", 2) && !::raise(sygnal) && u("ło", 3); });
                ::_exit(0);
            }
            int stan = 0;
            ASSERT_EQ(::waitpid(dziecko, &stan, 0), dziecko);
            EXPECT_TRUE(WIFSIGNALED(stan) && WTERMSIG(stan) == sygnal) << nazwany << " " << sygnal;
            EXPECT_EQ(tresc(plik), "stary");
            EXPECT_EQ(plikow_w(katalog_), 1u) << nazwany << " " << sygnal;
        }
}

// A full disk is the test of zenta-oblicz and the window; here a writer that gives up halfway.
TEST_F(PlikiNaDysku, AWriteCutShortLeavesTheOldFileWholeAndNoTemporary)
{
    const std::string plik = sciezka("plik");
    napisz(plik, "stary");
    EXPECT_FALSE(zapisz_bezpiecznie(plik, [](const Ujscie& ujscie) { return ujscie("po", 2) && false; }));
    EXPECT_EQ(tresc(plik), "stary");
    EXPECT_EQ(plikow_w(katalog_), 1u);
}
