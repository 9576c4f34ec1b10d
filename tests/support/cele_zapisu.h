#pragma once

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Targets of a save that Unix habits make hostile, for zenta-oblicz and the
// window's save: each refused with its reason and left as it was, or given
// the new bytes and keeping all else (mode, owner, links, ACL, extended
// attributes); no temporary left beside it. The saver is nobody (65534) when
// the tests run as root, who may write anything; else the user running them.
using StanCelu = std::map<std::string, std::string>;
struct WrogiCel {
    std::string nazwa;
    std::filesystem::path sciezka;
    std::function<bool(const std::filesystem::path&)> tworz; // false: cannot be made here
    std::string powod = {};                                  // of the refusal; empty: saved
    bool pelny_dysk = false; // under a file size limit that lets no byte through
    std::shared_ptr<StanCelu> przed = {};

    // Makes the target: its path, or "" when it cannot be made here.
    std::string przygotuj();
    // After a save of `nowe`: what is not as it must be, "" when all is.
    std::string sprawdz(const std::string& nowe) const;
};

// The table, in `folder`, which is made the saver's.
std::vector<WrogiCel> wrogie_cele(const std::filesystem::path& folder);

// For its life the process acts as the saver (effective user and group, no
// other groups) under a umask of 077, which a new file's mode must not keep,
// and for a full disk may write no byte (SIGXFSZ ignored).
class JakoZapisujacy {
public:
    explicit JakoZapisujacy(bool pelny_dysk);
    ~JakoZapisujacy();

private:
    std::vector<gid_t> grupy_;
    rlimit limit_{};
    mode_t maska_ = ::umask(077);
};

// The shell's words for the same: the saver, the umask and the full disk.
std::string jako_zapisujacy(bool pelny_dysk);
