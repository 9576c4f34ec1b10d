// GUI tests run on Qt's offscreen platform, with the program's Polish Qt texts.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikacja(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QTranslator tlumacz;
    if (tlumacz.load(QLocale(QLocale::Polish), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&tlumacz);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
