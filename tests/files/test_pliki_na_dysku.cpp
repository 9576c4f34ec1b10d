#include "m1d.h"
#include "plik_do_zapisu.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;

class PlikiNaDysku : public ::testing::Test {
protected:
    void SetUp() override
    {
        katalog_ = fs::temp_directory_path() /
                   ("zenta_pliki_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
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

TEST_F(PlikiNaDysku, TheReaderRefusesWhatIsNotARegularFileAtOnceAndSaysWhy)
{
    ASSERT_EQ(::mkfifo(sciezka("potok.M1D").c_str(), 0600), 0);
    fs::create_symlink("/dev/null", sciezka("urzadzenie.M1D"));
    fs::create_symlink(sciezka("petla.M1D"), sciezka("petla.M1D"));
    const std::pair<const char*, const char*> przypadki[] = {
        {"potok.M1D", "to jest potok (FIFO), nie plik"}, // open would block until a writer came
        {"urzadzenie.M1D", "to jest urządzenie, nie plik"},
        {"petla.M1D", "za dużo dowiązań symbolicznych (dowiązanie wskazuje samo na siebie?)"},
        {"nie_ma.M1D", "nie ma takiego pliku"},
        {"", "to jest katalog"}};
    for (const auto& [nazwa, powod] : przypadki) {
        const WynikOdczytu w = czytaj_plik_m1d(sciezka(nazwa));
        EXPECT_EQ(w.stan, Odczyt::nie_mozna_otworzyc) << nazwa;
        EXPECT_EQ(w.powod, powod) << nazwa;
    }
}

TEST_F(PlikiNaDysku, SpecialTargetsAreWrittenIntoOrRefusedButNeverReplaced)
{
    std::string powod;
    EXPECT_FALSE(zapisz(katalog_.string(), "x", &powod));
    EXPECT_EQ(powod, "to jest katalog");

    const std::string potok = sciezka("potok");
    ASSERT_EQ(::mkfifo(potok.c_str(), 0600), 0);
    EXPECT_FALSE(zapisz(potok, "x", &powod)); // nobody reads: refused, not waited for
    EXPECT_EQ(powod, "nikt nie czyta z tego potoku");
    // A reader: its end opened first, then read to the end in a thread; the
    // test holds a writing end too, so that the reader sees no end before
    // the writer came.
    const int odbior = ::open(potok.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(odbior, 0);
    ::fcntl(odbior, F_SETFL, 0);
    const int trzymany = ::open(potok.c_str(), O_WRONLY);
    std::string odebrane;
    std::thread czytelnik([&] {
        char bufor[4096];
        for (ssize_t n; (n = ::read(odbior, bufor, sizeof bufor)) > 0;)
            odebrane.append(bufor, std::size_t(n));
        ::close(odbior);
    });
    const std::string duzo(300000, 'z'); // more than the pipe holds: the writer waits for the reader
    const bool zapisano = zapisz(potok, duzo, &powod);
    ::close(trzymany);
    czytelnik.join();
    EXPECT_TRUE(zapisano) << powod;
    EXPECT_TRUE(odebrane == duzo) << odebrane.size();
    EXPECT_TRUE(fs::is_fifo(potok));

    int rura[2];
    ASSERT_EQ(::pipe(rura), 0);
    EXPECT_TRUE(zapisz("/dev/fd/" + std::to_string(rura[1]), "przez deskryptor"));
    ::close(rura[1]);
    char bufor[64] = {};
    EXPECT_EQ(::read(rura[0], bufor, sizeof bufor), 16);
    EXPECT_STREQ(bufor, "przez deskryptor");
    ::close(rura[0]);

    fs::create_symlink(sciezka("petla"), sciezka("petla"));
    EXPECT_FALSE(zapisz(sciezka("petla"), "x", &powod));
    EXPECT_TRUE(fs::is_symlink(sciezka("petla")));
    EXPECT_FALSE(zapisz(sciezka("brak/pliku"), "x", &powod));
    EXPECT_EQ(powod, "nie ma takiego pliku");
}

TEST_F(PlikiNaDysku, OverwritingKeepsTheFilesModeOwnerLinksAndSymlinks)
{
    const std::string plik = sciezka("plik"), dowiazanie = sciezka("dowiazanie"), twardy = sciezka("twardy");
    napisz(plik, "stary");
    fs::permissions(plik, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(plik.c_str(), 65534, 65534), 0);
    }
    EXPECT_TRUE(zapisz(plik, "nowy"));
    struct stat st {};
    ASSERT_EQ(::stat(plik.c_str(), &st), 0);
    EXPECT_EQ(tresc(plik), "nowy");
    EXPECT_EQ(st.st_mode & 07777, 0444u);
    if (root) {
        EXPECT_EQ(st.st_uid, 65534u);
    }

    fs::create_symlink(plik, dowiazanie);
    EXPECT_TRUE(zapisz(dowiazanie, "przez dowiązanie"));
    EXPECT_TRUE(fs::is_symlink(dowiazanie));
    EXPECT_EQ(tresc(plik), "przez dowiązanie");

    fs::permissions(plik, fs::perms::owner_write, fs::perm_options::add);
    fs::create_hard_link(plik, twardy);
    EXPECT_TRUE(zapisz(twardy, "oba"));
    EXPECT_EQ(tresc(plik), "oba");
    EXPECT_EQ(fs::hard_link_count(plik), 2u);
    EXPECT_EQ(plikow_w(katalog_), 3u);
}

// A folder the user may not write in, holding a file the user may: saved in
// place. Run as another user when the tests run as root, who may write anywhere.
TEST_F(PlikiNaDysku, AWritableFileInAReadOnlyFolderIsWrittenInPlace)
{
    const std::string plik = sciezka("plik");
    napisz(plik, "stary");
    fs::permissions(plik, fs::perms::all);
    fs::permissions(katalog_, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    const bool root = ::geteuid() == 0;
    if (!root)
        fs::permissions(katalog_, fs::perms::owner_write, fs::perm_options::remove);
    const pid_t dziecko = ::fork();
    ASSERT_GE(dziecko, 0);
    if (dziecko == 0) {
        if (root && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        std::string powod;
        const bool nowy_odrzucony = !zapisz(sciezka("nowy"), "x", &powod) && powod == "brak uprawnień";
        ::_exit(zapisz(plik, "nowy") && nowy_odrzucony ? 0 : 1);
    }
    int stan = 0;
    ASSERT_EQ(::waitpid(dziecko, &stan, 0), dziecko);
    EXPECT_TRUE(WIFEXITED(stan) && WEXITSTATUS(stan) == 0) << stan;
    EXPECT_EQ(tresc(plik), "nowy");
}

TEST_F(PlikiNaDysku, AWriteCutShortLeavesTheOldFileWholeAndNoTemporary)
{
    const std::string plik = sciezka("plik");
    napisz(plik, "stary");
    // a file system that takes no more than 10000 bytes of a file
    const auto dawny_sygnal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit dawny{};
    ::getrlimit(RLIMIT_FSIZE, &dawny);
    rlimit maly = dawny;
    maly.rlim_cur = 10000;
    ::setrlimit(RLIMIT_FSIZE, &maly);
    std::string powod;
    const bool zapisano = zapisz(plik, std::string(20000, 'n'), &powod);
    ::setrlimit(RLIMIT_FSIZE, &dawny);
    std::signal(SIGXFSZ, dawny_sygnal);
    EXPECT_FALSE(zapisano);
    EXPECT_EQ(powod, "plik przekroczyłby dozwolony rozmiar");

    // and a writer that gives up halfway
    EXPECT_FALSE(zapisz_bezpiecznie(plik, [](const Ujscie& ujscie) { return ujscie("po", 2) && false; }));
    EXPECT_EQ(tresc(plik), "stary");
    EXPECT_EQ(plikow_w(katalog_), 1u);
}
