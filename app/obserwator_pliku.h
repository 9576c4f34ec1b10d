#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// The file a held model came from, watched on disk. A change of it (also by
// an editor that writes a new file and renames it over the old, so the folder
// is watched too) calls `zmieniony` once the writes have paused. The file's
// identity (device, inode, size, times) tells a real change from the folder's
// other news and from what the program has already seen. A file that is gone
// calls `zniknal` once and is waited for: deleted and written again, or
// renamed away and back, it is a change like any other when it returns.
class ObserwatorPliku : public QObject {
public:
    ObserwatorPliku(std::function<void()> zmieniony, std::function<void()> zniknal);

    // Watches `sciezka`, its present state counting as seen.
    void obserwuj(const QString& sciezka);
    void przestan();
    const QString& sciezka() const { return sciezka_; }
    // The file as it is now counts as seen (before reading it, after saving it).
    void widziany();

private:
    struct Tozsamosc {
        unsigned long long urzadzenie = 0, wezel = 0, rozmiar = 0;
        long long zmiana_s = 0, zmiana_ns = 0, status_s = 0, status_ns = 0;
        bool operator==(const Tozsamosc&) const = default;
    };
    static bool tozsamosc(const QString& sciezka, Tozsamosc& t);
    void sprawdz();
    void pilnuj_sciezek();

    std::function<void()> zmieniony_, zniknal_;
    QFileSystemWatcher straznik_;
    QTimer zwloka_;
    QTimer wypatrywanie_; // while the file is gone, in case its folder goes and comes back too
    QString sciezka_;
    Tozsamosc widziana_;
    bool brak_ = false;
};
