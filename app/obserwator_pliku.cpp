#include "obserwator_pliku.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

ObserwatorPliku::ObserwatorPliku(std::function<void()> zmieniony, std::function<void()> zniknal)
    : zmieniony_(std::move(zmieniony)), zniknal_(std::move(zniknal))
{
    // An editor's save is several writes, or a write and a rename: one look after they pause.
    zwloka_.setSingleShot(true);
    zwloka_.setInterval(150);
    wypatrywanie_.setInterval(1000);
    connect(&zwloka_, &QTimer::timeout, this, &ObserwatorPliku::sprawdz);
    connect(&wypatrywanie_, &QTimer::timeout, this, &ObserwatorPliku::sprawdz);
    connect(&straznik_, &QFileSystemWatcher::fileChanged, &zwloka_, qOverload<>(&QTimer::start));
    connect(&straznik_, &QFileSystemWatcher::directoryChanged, &zwloka_, qOverload<>(&QTimer::start));
}

bool ObserwatorPliku::tozsamosc(const QString& sciezka, Tozsamosc& t)
{
    struct stat st {};
    if (::stat(QFile::encodeName(sciezka).constData(), &st) != 0)
        return false;
    t = {static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino),
         static_cast<unsigned long long>(st.st_size), st.st_mtim.tv_sec, st.st_mtim.tv_nsec, st.st_ctim.tv_sec,
         st.st_ctim.tv_nsec};
    return true;
}

void ObserwatorPliku::obserwuj(const QString& sciezka)
{
    przestan();
    sciezka_ = QFileInfo(sciezka).absoluteFilePath();
    pilnuj_sciezek();
    widziany();
}

// The file and its folder, each while it exists (a watch dies with what it watched).
void ObserwatorPliku::pilnuj_sciezek()
{
    const QString katalog = QFileInfo(sciezka_).absolutePath();
    if (!straznik_.directories().contains(katalog) && QFileInfo(katalog).isDir())
        straznik_.addPath(katalog);
    if (!straznik_.files().contains(sciezka_) && QFileInfo::exists(sciezka_))
        straznik_.addPath(sciezka_);
}

void ObserwatorPliku::przestan()
{
    zwloka_.stop();
    wypatrywanie_.stop();
    if (!straznik_.files().isEmpty())
        straznik_.removePaths(straznik_.files());
    if (!straznik_.directories().isEmpty())
        straznik_.removePaths(straznik_.directories());
    sciezka_.clear();
    brak_ = false;
}

void ObserwatorPliku::widziany()
{
    if (!tozsamosc(sciezka_, widziana_))
        widziana_ = {};
}

void ObserwatorPliku::sprawdz()
{
    if (sciezka_.isEmpty())
        return;
    pilnuj_sciezek();
    Tozsamosc teraz;
    if (!tozsamosc(sciezka_, teraz)) {
        if (!brak_) {
            brak_ = true;
            wypatrywanie_.start();
            zniknal_();
        }
        return;
    }
    if (brak_) {
        brak_ = false;
        wypatrywanie_.stop();
    }
    if (teraz != widziana_)
        zmieniony_();
}
