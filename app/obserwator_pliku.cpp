#include "obserwator_pliku.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

ObserwatorPliku::ObserwatorPliku(std::function<void()> zmieniony) : zmieniony_(std::move(zmieniony))
{
    // An editor's save is several writes, or a write and a rename: one look after they pause.
    zwloka_.setSingleShot(true);
    zwloka_.setInterval(150);
    connect(&zwloka_, &QTimer::timeout, this, &ObserwatorPliku::sprawdz);
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
    straznik_.addPath(sciezka_);
    straznik_.addPath(QFileInfo(sciezka_).absolutePath());
    widziany();
}

void ObserwatorPliku::przestan()
{
    zwloka_.stop();
    if (!straznik_.files().isEmpty())
        straznik_.removePaths(straznik_.files());
    if (!straznik_.directories().isEmpty())
        straznik_.removePaths(straznik_.directories());
    sciezka_.clear();
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
    Tozsamosc teraz;
    if (!tozsamosc(sciezka_, teraz)) {
        przestan();
        return;
    }
    // A file renamed over the old one is a new file to watch.
    if (!straznik_.files().contains(sciezka_))
        straznik_.addPath(sciezka_);
    if (teraz != widziana_)
        zmieniony_();
}
