#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <set>

#include "settings/FolderMenu.h"
#include "support/TempTree.h"

namespace quillet {
namespace {

class FolderMenuTest : public ::testing::Test {
protected:
    FolderMenuTest() {
        Environment.Executable = QStringLiteral("/opt/My Tools/quillet");
        Environment.DataHome = QString::fromStdString(Home.Path(".local/share"));
        Environment.ConfigHome = QString::fromStdString(Home.Path(".config"));
        Environment.SystemThunarActions = QString::fromStdString(Home.Path("etc-uca.xml"));
        Environment.IsInstalled = [this](const QString& program) {
            return Installed.count(program) > 0;
        };
        Environment.IconSvg = "<svg/>";
    }

    QString Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    std::set<QString> Files() {
        std::set<QString> files;
        QDirIterator it(QString::fromStdString(Home.Root()), QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files.insert(it.next());
        return files;
    }

    QString Data(const QString& relative) { return Environment.DataHome + "/" + relative; }

    test::TempTree Home;
    std::set<QString> Installed = {"dolphin", "nemo", "caja", "nautilus", "thunar"};
    TFolderMenuEnvironment Environment;
};

TEST_F(FolderMenuTest, EnablingWritesAnEntryForEveryInstalledFileManager) {
    RegisterFolderMenu(true, Environment);
    const QString dolphin = Read(Data("kio/servicemenus/quillet-usage-pie-chart.desktop"));
    EXPECT_TRUE(
        dolphin.contains("Type=Service\nMimeType=inode/directory;\nActions=usagePieChart;\n"
                         "TryExec=/opt/My Tools/quillet\n"));
    EXPECT_TRUE(dolphin.contains(
        "Name=Usage Pie Chart\nIcon=quillet\nExec=\"/opt/My Tools/quillet\" %f\n"));
    EXPECT_TRUE(QFileInfo(Data("kio/servicemenus/quillet-usage-pie-chart.desktop")).isExecutable());

    const QString nemo = Read(Data("nemo/actions/quillet-usage-pie-chart.nemo_action"));
    EXPECT_TRUE(nemo.startsWith("[Nemo Action]\nName=_Usage Pie Chart\n"));
    EXPECT_TRUE(nemo.contains(
        "Exec=\"/opt/My Tools/quillet\" %F\nIcon-Name=quillet\nSelection=s\nExtensions=dir;\n"
        "Dependencies=/opt/My Tools/quillet;\n"));

    const QString caja = Read(Data("file-manager/actions/quillet-usage-pie-chart.desktop"));
    EXPECT_TRUE(caja.contains("Type=Action\nName=_Usage Pie Chart\n"));
    EXPECT_TRUE(caja.contains("\nTryExec=/opt/My Tools/quillet\n"));
    EXPECT_TRUE(
        caja.contains("Profiles=main;\n\n[X-Action-Profile main]\nExec='/opt/My Tools/quillet' %f\n"
                      "MimeTypes=inode/directory;"));

    const QString script = Read(Data("nautilus/scripts/Usage Pie Chart"));
    EXPECT_TRUE(script.startsWith("#!/bin/sh\n"));
    EXPECT_TRUE(script.contains("exec '/opt/My Tools/quillet' \"$folder\""));
    EXPECT_TRUE(QFileInfo(Data("nautilus/scripts/Usage Pie Chart")).isExecutable());

    const QString thunar = Read(Environment.ConfigHome + "/Thunar/uca.xml");
    EXPECT_TRUE(thunar.contains("<unique-id>quillet-usage-pie-chart</unique-id>"));
    EXPECT_TRUE(
        thunar.contains("<command>test -x '/opt/My Tools/quillet' &amp;&amp; exec "
                        "'/opt/My Tools/quillet' %f</command>"));
    EXPECT_TRUE(thunar.contains("<directories/>"));
    EXPECT_EQ(Read(Data("icons/hicolor/scalable/apps/quillet.svg")), "<svg/>");

    // PCManFM-Qt would show the "_" of the shared file as it is.
    Installed.insert("pcmanfm-qt");
    RegisterFolderMenu(true, Environment);
    EXPECT_TRUE(Read(Data("file-manager/actions/quillet-usage-pie-chart.desktop"))
                    .contains("Type=Action\nName=Usage Pie Chart\n"));
}

TEST_F(FolderMenuTest, TheScriptDoesNothingOnceTheProgramIsGoneAndTheIconIsNotCopiedTwice) {
    // A program that notes the folder it was given.
    const QString program = QString::fromStdString(Home.Path("bin/quillet"));
    const QString note = QString::fromStdString(Home.Path("note"));
    QDir().mkpath(QFileInfo(program).path());
    QFile file(program);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(("#!/bin/sh\necho \"$1\" > '" + note + "'\n").toUtf8());
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    Environment.Executable = program;
    // The icon is in the theme of the program's prefix already.
    const QString prefix = QString::fromStdString(Home.Path("share"));
    QDir().mkpath(prefix + "/icons/hicolor/scalable/apps");
    QFile icon(prefix + "/icons/hicolor/scalable/apps/quillet.svg");
    ASSERT_TRUE(icon.open(QIODevice::WriteOnly));
    icon.close();
    Environment.IconDataDirs = {QString::fromStdString(Home.Path("nowhere")), prefix};
    Installed = {"nautilus"};
    RegisterFolderMenu(true, Environment);
    EXPECT_FALSE(QFile::exists(Data("icons/hicolor/scalable/apps/quillet.svg")));

    const auto run = [&] {
        QProcess script;
        script.setWorkingDirectory(QString::fromStdString(Home.Root()));
        script.start(Data("nautilus/scripts/Usage Pie Chart"), {"sub"});
        script.waitForFinished(-1);
        return script.exitCode();
    };
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(Read(note), QString::fromStdString(Home.Path("sub")) + "\n");
    QFile::remove(note);
    QFile::remove(program);
    EXPECT_EQ(run(), 0) << "the program is gone: the script ends quietly";
    EXPECT_FALSE(QFile::exists(note));
}

TEST_F(FolderMenuTest, EnablingTwiceLeavesTheSameFiles) {
    RegisterFolderMenu(true, Environment);
    std::map<QString, QString> first;
    for (const QString& file : Files())
        first[file] = Read(file);
    RegisterFolderMenu(true, Environment);
    std::map<QString, QString> second;
    for (const QString& file : Files())
        second[file] = Read(file);
    EXPECT_EQ(first, second);
}

TEST_F(FolderMenuTest, DisablingRemovesWhatEnablingWroteAndNothingElse) {
    RegisterFolderMenu(false, Environment);
    EXPECT_TRUE(Files().empty()) << "disabling with nothing there creates nothing";

    // The user's own Thunar actions, seeded from the system's file, stay.
    QFile system(Environment.SystemThunarActions);
    ASSERT_TRUE(system.open(QIODevice::WriteOnly));
    system.write(
        "<?xml version=\"1.0\"?>\n<actions>\n<action><name>Open Terminal Here</name>"
        "<unique-id>1-1</unique-id><command>exo-open %f</command></action>\n</actions>\n");
    system.close();
    RegisterFolderMenu(true, Environment);
    const QString thunar = Environment.ConfigHome + "/Thunar/uca.xml";
    EXPECT_TRUE(Read(thunar).contains("Open Terminal Here"));
    EXPECT_EQ(FolderMenuFiles(Environment).size(), 5);

    RegisterFolderMenu(false, Environment);
    for (const QString& file : FolderMenuFiles(Environment)) {
        if (file == thunar) continue;
        EXPECT_FALSE(QFile::exists(file)) << file.toStdString();
    }
    EXPECT_TRUE(Read(thunar).contains("Open Terminal Here"));
    EXPECT_FALSE(Read(thunar).contains("quillet-usage-pie-chart"));
}

TEST_F(FolderMenuTest, AThunarFileThatDoesNotParseIsLeftAsItIs) {
    const QString thunar = Environment.ConfigHome + "/Thunar/uca.xml";
    QDir().mkpath(Environment.ConfigHome + "/Thunar");
    const QByteArray broken =
        "<?xml version=\"1.0\"?>\n<actions>\n<action><name>Backup</name><unique-id>2-2"
        "</unique-id><command>tar czf a.tgz %f</command><description>Pack & keep</description>"
        "</action>\n</actions>\n";
    QFile file(thunar);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(broken);
    file.close();
    RegisterFolderMenu(true, Environment);
    RegisterFolderMenu(false, Environment);
    EXPECT_EQ(Read(thunar).toUtf8(), broken) << "neither enabling nor disabling touched it";
}

TEST_F(FolderMenuTest, AFileManagerThatIsNotInstalledIsLeftAlone) {
    Installed = {"nemo"};
    RegisterFolderMenu(true, Environment);
    std::set<QString> expected = {Data("nemo/actions/quillet-usage-pie-chart.nemo_action"),
                                  Data("icons/hicolor/scalable/apps/quillet.svg")};
    EXPECT_EQ(Files(), expected);
    Installed.clear();
    QFile::remove(*expected.rbegin());
    QFile::remove(*expected.begin());
    RegisterFolderMenu(true, Environment);
    EXPECT_TRUE(Files().empty()) << "no file manager: not even the icon";
}

TEST_F(FolderMenuTest, OddExecutablePathsAreQuotedForEachFormat) {
    Environment.Executable = QStringLiteral("/home/o'neil/100% \"q\"/quillet");
    RegisterFolderMenu(true, Environment);
    EXPECT_TRUE(Read(Data("kio/servicemenus/quillet-usage-pie-chart.desktop"))
                    .contains("Exec=\"/home/o'neil/100%% \\\\\"q\\\\\"/quillet\" %f"));
    EXPECT_TRUE(Read(Data("file-manager/actions/quillet-usage-pie-chart.desktop"))
                    .contains("Exec='/home/o'\\''neil/100%% \"q\"/quillet' %f"));
    EXPECT_TRUE(Read(Data("nautilus/scripts/Usage Pie Chart"))
                    .contains("exec '/home/o'\\''neil/100% \"q\"/quillet'"));
}

}  // namespace
}  // namespace quillet
