// main() for tests of widgets: one application object for the whole run, offscreen, with a
// home and a settings folder of its own, so no test reads or writes the user's settings.
// A test program started by another test shares that test's home.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <optional>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::optional<QTemporaryDir> home;
    if (!qEnvironmentVariableIsSet("QUILLET_TEST_HOME")) {
        home.emplace();
        qputenv("QUILLET_TEST_HOME", home->path().toUtf8());
        qputenv("HOME", home->path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (home->path() + "/.config").toUtf8());
        qputenv("XDG_DATA_HOME", (home->path() + "/.local/share").toUtf8());
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
