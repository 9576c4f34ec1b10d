// GUI tests run on Qt's offscreen platform, in Polish as the program runs.

#include "po_polsku.h"

#include <QApplication>
#include <QTranslator>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_MESSAGES", "C.UTF-8"); // the user's own, for the programs ZENTA starts
    po_polsku_przed_aplikacja();
    QApplication aplikacja(argc, argv);
    QTranslator tlumacz;
    mow_po_polsku(tlumacz);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
