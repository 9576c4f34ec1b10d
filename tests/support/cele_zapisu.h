#pragma once

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Targets of a save that ordinary Unix habits make hostile, and what a save
// over each must do. zenta-oblicz and the window's save run the same table
// through the one writer.

// Who saves: nobody (65534) when the tests run as root, who may write over
// anything; otherwise the user running them.
struct Zapisujacy {
    uid_t uid;
    gid_t gid;
    bool jest_ktos_inny; // the tests' own files are someone else's to the saver
};
Zapisujacy zapisujacy();

struct WrogiCel {
    std::string nazwa;
    // Makes the target; its path, or "" when it cannot be made here.
    std::function<std::string()> przygotuj;
    std::string powod;       // the reason of the refusal; empty: the save succeeds
    bool pelny_dysk = false; // saved under a file size limit that lets nothing through
    // After the save: what is wrong with the target or its folder, "" when nothing.
    std::function<std::string(const std::string& cel)> sprawdz;
};

// The table, for a save whose new bytes are `nowe`, in `folder` made the saver's.
std::vector<WrogiCel> wrogie_cele(const std::string& nowe, const std::filesystem::path& folder);

// For its life, the process acts as the saver (effective user and group, no
// other groups) and, for a full disk, may write no byte (SIGXFSZ ignored).
class JakoZapisujacy {
public:
    explicit JakoZapisujacy(bool pelny_dysk);
    ~JakoZapisujacy();
    JakoZapisujacy(const JakoZapisujacy&) = delete;
    JakoZapisujacy& operator=(const JakoZapisujacy&) = delete;

private:
    std::vector<gid_t> grupy_;
    bool zmieniony_ = false, pelny_dysk_;
    unsigned long long limit_ = 0; // the file size limit before
};

// The command that runs `polecenie` as the saver in a shell.
std::string jako_zapisujacy(const std::string& polecenie, bool pelny_dysk);
