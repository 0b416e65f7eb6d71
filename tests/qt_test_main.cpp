// Runs a test program headless, with configuration, data and cache folders
// of its own, so that no test reads or writes the player's settings,
// history or cache, on a French desktop whatever the machine's own language,
// so that a first start is the same everywhere.

#ifdef DAXO_TEST_WIDGETS
#include <QApplication>
#else
#include <QCoreApplication>
#endif
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config, data, cache;
    if (!config.isValid() || !data.isValid() || !cache.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    qputenv("LANGUAGE", "fr_FR");

#ifdef DAXO_TEST_WIDGETS
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv); // what is kept on disk needs no windows
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
