// The association in temporary XDG folders, checked the way desktops read it: Qt's MIME
// database, xdg-mime, desktop-file-validate and GLib's launcher.
#include <gtest/gtest.h>

#include "tests/desktop/qt_printers.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include "desktop/file_association.h"
#include "desktop/xdg_association_store.h"

namespace ninefold {
namespace {

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void writeAll(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

// Every file under a folder with its contents, to compare whole trees.
std::map<QString, QString> snapshot(const QString& root) {
    std::map<QString, QString> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[QDir(root).relativeFilePath(path)] = readAll(path);
    }
    return files;
}

// Runs a command with the test's XDG folders and no desktop session, so tools take their
// plain freedesktop paths.
QString run(const QString& program, const QStringList& arguments, int* exitCode = nullptr) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                             "GNOME_DESKTOP_SESSION_ID", "DBUS_SESSION_BUS_ADDRESS"}) {
        environment.remove(QLatin1String(name));
    }
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(60000);
    if (exitCode) {
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

// Counts what reaches the store, so a test can tell that nothing was written.
class CountingStore : public AssociationStore {
  public:
    explicit CountingStore(AssociationStore& inner) : inner_(inner) {}
    void SetRegString(RegRoot root, const QString& key, const QString& name,
                      const QString& data) override {
        ++writes;
        inner_.SetRegString(root, key, name, data);
    }
    void DeleteRegValue(RegRoot root, const QString& key, const QString& name) override {
        ++deletes;
        inner_.DeleteRegValue(root, key, name);
    }
    QString GetRegString(RegRoot root, const QString& key, const QString& name) override {
        return inner_.GetRegString(root, key, name);
    }
    void NotifyShell() override { inner_.NotifyShell(); }
    int writes = 0;
    int deletes = 0;

  private:
    AssociationStore& inner_;
};

class XdgStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        data = root.filePath("data");
        config = root.filePath("config");
        qputenv("XDG_DATA_HOME", data.toUtf8());
        qputenv("XDG_CONFIG_HOME", config.toUtf8());
        // The tools run at once, so their results can be checked; the game starts them detached.
        store = std::make_unique<XdgAssociationStore>(
            data, config, [this](const QString& program, const QStringList& arguments) {
                launched << QFileInfo(program).fileName() + ' ' + arguments.join(' ');
                return QProcess::execute(program, arguments) == 0;
            });
    }
    void TearDown() override {
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
    }
    QString get(const QString& key) { return store->GetRegString(RegRoot::ClassesRoot, key, ""); }

    QTemporaryDir root;
    QString data;
    QString config;
    QStringList launched;
    std::unique_ptr<XdgAssociationStore> store;
    const AssociationRows rows = AssociationEntries("Ninefold", "/opt/Nine Fold/bin/ninefold");
};

TEST_F(XdgStoreTest, EveryRowReadsBackExactlyAndASecondRegistrationWritesNothing) {
    CountingStore counting(*store);
    RegisterExtension(rows, counting);
    EXPECT_EQ(counting.writes, 4);
    for (const AssociationRow& row : rows) {
        EXPECT_EQ(get(row.key), row.data) << row.key.toStdString();
    }
    const auto before = snapshot(root.path());
    counting.writes = 0;
    RegisterExtension(rows, counting);
    EXPECT_EQ(counting.writes, 0);
    EXPECT_EQ(snapshot(root.path()), before);
}

TEST_F(XdgStoreTest, DesktopFindsTheTypeItsNameAndItsDefaultApplication) {
    RegisterExtension(rows, *store);
    EXPECT_EQ(launched, QStringList({"update-mime-database " + data + "/mime",
                                     "update-desktop-database " + data + "/applications"}));

    int exitCode = -1;
    const QString type = run(NINEFOLD_MIME_PROBE, {"puzzle.nfd"}, &exitCode);
    EXPECT_EQ(type, "application/x-ninefold\nNinefold Save\n");

    const QString query =
        run("xdg-mime", {"query", "default", "application/x-ninefold"}, &exitCode);
    EXPECT_EQ(exitCode, 0) << query.toStdString();
    EXPECT_EQ(query.trimmed(), "ninefold-association.desktop");

    const QString entry = store->EntryPath("Ninefold");
    const QString report = run("desktop-file-validate", {entry}, &exitCode);
    EXPECT_EQ(exitCode, 0) << report.toStdString();
    EXPECT_TRUE(QFile::exists(data + "/icons/hicolor/48x48/apps/ninefold.png"));
}

TEST_F(XdgStoreTest, UnregisterRemovesOurFilesAndKeepsEverythingElse) {
    const QString otherLines =
        "# chosen by hand\n[Added Associations]\ntext/plain=gedit.desktop;\n\n"
        "[Default Applications]\nimage/png=viewer.desktop;\n";
    writeAll(config + "/mimeapps.list", otherLines);
    writeAll(data + "/mime/packages/other.xml",
             "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\"/>\n");
    const auto before = snapshot(root.path());

    RegisterExtension(rows, *store);
    EXPECT_TRUE(readAll(config + "/mimeapps.list")
                    .contains("application/x-ninefold=ninefold-association.desktop;"));
    UnregisterExtension(rows, *store);
    for (const AssociationRow& row : rows) {
        EXPECT_EQ(get(row.key), "") << row.key.toStdString();
    }
    // The databases the tools built stay; everything else is as it was.
    auto after = snapshot(root.path());
    std::erase_if(after, [](const auto& file) {
        return !file.first.startsWith("config/") && !file.first.startsWith("data/mime/packages/") &&
               !file.first.endsWith(".desktop") && !file.first.endsWith(".png");
    });
    EXPECT_EQ(after, before);
}

TEST_F(XdgStoreTest, ADefaultChosenByHandIsRespectedAndComesBack) {
    writeAll(data + "/applications/other.desktop",
             "[Desktop Entry]\nType=Application\nName=Other\nExec=other --open %f\n");
    writeAll(config + "/mimeapps.list",
             "[Default Applications]\napplication/x-ninefold=other.desktop;\n");
    const QString commandKey = rows[2].key;
    EXPECT_EQ(get(commandKey), "\"other\" \"--open\" \"%1\"");

    RegisterExtension(rows, *store);
    EXPECT_EQ(get(commandKey), rows[2].data);
    EXPECT_EQ(readAll(config + "/mimeapps.list"),
              "[Default Applications]\n"
              "application/x-ninefold=ninefold-association.desktop;other.desktop;\n");

    UnregisterExtension(rows, *store);
    EXPECT_EQ(readAll(config + "/mimeapps.list"),
              "[Default Applications]\napplication/x-ninefold=other.desktop;\n");

    // Chosen again by hand after registering: unregistering leaves the choice and our entry.
    RegisterExtension(rows, *store);
    writeAll(config + "/mimeapps.list",
             "[Default Applications]\napplication/x-ninefold=other.desktop;\n");
    UnregisterExtension(rows, *store);
    EXPECT_EQ(readAll(config + "/mimeapps.list"),
              "[Default Applications]\napplication/x-ninefold=other.desktop;\n");
    EXPECT_TRUE(QFile::exists(store->EntryPath("Ninefold")));
}

TEST_F(XdgStoreTest, AnotherProgramsClaimOnTheExtensionOutlivesOurs) {
    const QString foreign = data + "/mime/packages/othergame.xml";
    writeAll(foreign,
             "<?xml version=\"1.0\"?>\n"
             "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
             "  <mime-type type=\"application/x-othergame\"><glob pattern=\"*.nfd\"/>"
             "<sub-class-of type=\"application/octet-stream\"/></mime-type>\n</mime-info>\n");
    const QString foreignText = readAll(foreign);
    EXPECT_EQ(get(".nfd"), "othergame");
    RegisterExtension(rows, *store);
    EXPECT_EQ(get(".nfd"), "Ninefold");
    UnregisterExtension(rows, *store);
    EXPECT_EQ(get(".nfd"), "othergame");
    EXPECT_EQ(readAll(foreign), foreignText);
    EXPECT_FALSE(QFile::exists(store->PackagePath("Ninefold")));
}

TEST_F(XdgStoreTest, KeysOutsideTheFourRowsAreNotKept) {
    const auto before = snapshot(root.path());
    store->SetRegString(RegRoot::ClassesRoot, "Ninefold\\shell\\edit\\command", "", "x");
    store->SetRegString(RegRoot::ClassesRoot, "Ninefold", "NeverShow", "x");
    store->SetRegString(RegRoot::ClassesRoot, "../escape", "", "x");
    store->SetRegString(RegRoot::ClassesRoot, ".nfd", "", "../../escape");
    EXPECT_EQ(snapshot(root.path()), before);
    EXPECT_EQ(store->GetRegString(RegRoot::ClassesRoot, "Ninefold\\shell\\edit\\command", ""), "");
    store->NotifyShell();
    EXPECT_TRUE(launched.isEmpty()) << "no folders, nothing to update";
}

// A program path that a shell would expand, split or run pieces of still starts exactly that
// program with exactly the file.
TEST_F(XdgStoreTest, HostileProgramPathOpensTheFileWithThatProgramOnly) {
    const QString gio = QStandardPaths::findExecutable("gio");
    if (gio.isEmpty()) {
        GTEST_SKIP() << "gio is not installed";
    }
    const QString folder =
        root.filePath("a b \"q\" $HOME `touch pwned` \\x; touch pwned ~ 'y' 100% %f");
    const QString program = folder + "/nine fold";
    const QString out = root.filePath("argv.txt");
    writeAll(program, "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > '" + out + "'\n");
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const AssociationRows hostile = AssociationEntries("Ninefold", program);
    RegisterExtension(hostile, *store);
    EXPECT_EQ(get(hostile[2].key), hostile[2].data);

    int exitCode = -1;
    const QString entry = store->EntryPath("Ninefold");
    const QString report = run("desktop-file-validate", {entry}, &exitCode);
    EXPECT_EQ(exitCode, 0) << report.toStdString();

    const QString puzzle = root.filePath("my puzzle $1.nfd");
    writeAll(puzzle, QString(243, QChar(0)));
    QDir::setCurrent(root.path());
    const QString launch = run(gio, {"launch", entry, puzzle}, &exitCode);
    for (int wait = 0; wait < 100 && !QFile::exists(out); ++wait) {
        QThread::msleep(50);
    }
    EXPECT_EQ(readAll(out), program + '\n' + puzzle + '\n')
        << launch.toStdString() << readAll(entry).toStdString();
    EXPECT_FALSE(QFile::exists(root.filePath("pwned")));
}

}  // namespace
}  // namespace ninefold
