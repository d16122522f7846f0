// Every file the game saves (settings.ini, campaign.dat, an editor's map) must
// survive a save that fails: the old file stays whole, no temporary file is
// left behind, and the failure is reported. The tests run as root, which ignores
// permission bits, so the failures are made in ways that stop root too.
#include "WorldFixture.h"
#include "flow/CampaignManager.h"
#include "machines/VaskMind.h"
#include "panels/Notice.h"
#include "shell/GameOptions.h"
#include "sound/Sound.h"
#include "util/SafeFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

struct Saver {
    const char* what;
    std::function<bool(const std::string& path)> save;
};

std::vector<Saver> savers() {
    return {
        {"settings", [](const std::string& path) {
             GameOptions o;
             o.setString("XRES", "1280");
             o.setString("VOL", "0.25");
             return o.writeOptions(path);
         }},
        {"campaign", [](const std::string& path) {
             CampaignManager c("no_campaign_here.dat");
             c.missions[0].name = "first.map";
             c.missions[0].time[2] = 4321;
             return c.write(path);
         }},
        {"map", [](const std::string& path) {
             auto w = makeWorld(12, 12, 12);
             for (int x = 0; x < 12; x++)
                 for (int z = 0; z < 12; z++) w->setBlock(x, 0, z, 3, 0);
             w->setBlock(3, 1, 3, 2, 40);
             w->actives.push_back(new VaskMind(w.get(), 3, 40, 20, 2));
             w->actives.back()->pos = vec3(5, 1, 5);
             w->mapType = 2;
             return w->write(path);
         }},
    };
}

void removeTree(const std::string& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) return;
    if (S_ISDIR(st.st_mode)) {
        for (const std::string& n : folderEntries(path)) removeTree(path + "/" + n);
        rmdir(path.c_str());
    } else {
        unlink(path.c_str());
    }
}

// A fresh folder for one case.
std::string scratch(const std::string& name) {
    std::string dir = "safe_save_" + name;
    removeTree(dir);
    mkdir(dir.c_str(), 0755);
    return dir;
}

// Sets or clears the immutable attribute, which stops even root from changing
// a file or a folder's entries. False where the file system has no such flag.
bool setImmutable(const std::string& path, bool on) {
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) return false;
    int flags = 0;
    bool ok = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    close(fd);
    return ok;
}

// Clears the attribute even when an assertion ends the test early, so the
// scratch folder can be removed by the next run.
struct Immutable {
    std::string path;
    bool set;
    explicit Immutable(const std::string& p) : path(p), set(setImmutable(p, true)) {}
    ~Immutable() {
        if (set) setImmutable(path, false);
    }
};

const std::string OLD = "the old contents, which must survive\n";

// Runs a save with standard error read through a pipe (a pipe, unlike a file,
// still takes the message when the file-size limit is down), optionally with
// `during` switched on around the save alone. Answers what was reported.
std::string reportOf(const Saver& s, const std::string& path, bool& saved,
                     const std::function<void(bool)>& during = nullptr) {
    int fds[2];
    if (pipe(fds) != 0) return "no pipe";
    fflush(stderr);
    int savedErr = dup(2);
    dup2(fds[1], 2);
    close(fds[1]);
    if (during) during(true);
    saved = s.save(path);
    if (during) during(false);
    fflush(stderr);
    dup2(savedErr, 2);
    close(savedErr);
    std::string text;
    char buf[512];
    ssize_t n;
    while ((n = read(fds[0], buf, sizeof buf)) > 0) text.append(buf, size_t(n));
    close(fds[0]);
    return text;
}

// A save that must fail: reported (with `why` where given) on standard error
// and on screen (with `advice` where given), the folder holding exactly the
// entries `kept`, and an old file at `path` as it was.
void expectFailedSave(const Saver& s, const std::string& dir, const std::string& path,
                      const std::vector<std::string>& kept, const std::string& why = "",
                      const std::string& advice = "", const std::function<void(bool)>& during = nullptr) {
    notice.clear();
    bool saved = true;
    std::string report = reportOf(s, path, saved, during);
    EXPECT_FALSE(saved) << s.what << " " << path;
    EXPECT_NE(report.find("Could not save " + path + ": " + why), std::string::npos)
        << s.what << " " << path << ": " << report;
    EXPECT_EQ(notice.text().rfind("Could not save " + path + ": " + why, 0), 0u) << s.what << ": " << notice.text();
    EXPECT_NE(notice.text().find(advice), std::string::npos) << s.what << ": " << notice.text();
    notice.clear();
    EXPECT_EQ(folderEntries(dir), kept) << s.what << " " << path;
    struct stat st;
    if (stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        EXPECT_EQ(readBytes(path), OLD) << s.what << " " << path;
    }
}

}  // namespace

TEST(SafeSave, MissingFolderOrAFileInThePathFailsWithAMessage) {
    for (const Saver& s : savers()) {
        std::string dir = scratch(std::string(s.what) + "_path");
        expectFailedSave(s, dir, dir + "/missing/file", {}, "No such file", "create it and try again");
        writeBytes(dir + "/plain", OLD);
        expectFailedSave(s, dir, dir + "/plain/file", {"plain"}, "Not a directory", "create it and try again");
        EXPECT_EQ(readBytes(dir + "/plain"), OLD);
    }
}

// A target that is a folder with files in it cannot be replaced by a file: the
// temporary file was written but must not stay.
TEST(SafeSave, TargetThatCannotBeReplacedLeavesNoTemporaryFile) {
    for (const Saver& s : savers()) {
        std::string dir = scratch(std::string(s.what) + "_target");
        std::string target = dir + "/saved";
        mkdir(target.c_str(), 0755);
        writeBytes(target + "/inside", OLD);
        expectFailedSave(s, dir, target, {"saved"}, "Is a directory", "A folder has that name: rename or remove it");
        EXPECT_EQ(readBytes(target + "/inside"), OLD);
    }
}

// A read-only folder, and a read-only file, in the sense root obeys.
TEST(SafeSave, ImmutableFolderOrFileKeepsTheOldFile) {
    std::string probe = scratch("probe");
    if (!Immutable(probe).set) GTEST_SKIP() << "no immutable attribute on this file system";
    for (const Saver& s : savers()) {
        std::string dir = scratch(std::string(s.what) + "_ro");
        std::string path = dir + "/saved";
        writeBytes(path, OLD);
        {
            Immutable folder(dir);
            ASSERT_TRUE(folder.set);
            expectFailedSave(s, dir, path, {"saved"}, "", "allow writing to it");
        }
        {
            Immutable file(path);
            ASSERT_TRUE(file.set);
            expectFailedSave(s, dir, path, {"saved"}, "", "allow writing to it");
        }
        EXPECT_TRUE(s.save(path)) << s.what;
        EXPECT_NE(readBytes(path), OLD);
    }
}

// A disk that fills up while the file is written, made with the file-size limit
// (which binds root too): the write fails part-way through.
TEST(SafeSave, DiskFullWhileWritingKeepsTheOldFile) {
    struct rlimit before;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    void (*oldHandler)(int) = signal(SIGXFSZ, SIG_IGN);
    for (const Saver& s : savers()) {
        std::string dir = scratch(std::string(s.what) + "_full");
        std::string path = dir + "/saved";
        writeBytes(path, OLD);
        expectFailedSave(s, dir, path, {"saved"}, "", "", [&](bool on) {
            struct rlimit limit = before;
            if (on) limit.rlim_cur = 8;
            ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
        });
        EXPECT_TRUE(s.save(path)) << s.what;
        EXPECT_NE(readBytes(path), OLD);
        EXPECT_EQ(folderEntries(dir), std::vector<std::string>{"saved"}) << s.what;
    }
    signal(SIGXFSZ, oldHandler);
}

// A save cut short leaves NAME.tmpPID beside the real files: no folder listing
// shows it (it would appear as a map), and the next start clears it away
// unless the process that writes it is still running.
TEST(SafeSave, HalfWrittenSavesAreNeverListed) {
    mkdir("scan_tmp", 0755);
    for (const char* name : {"a.map", "b.map.tmp4242", "c.tmp", "d.tmpx1", "settings.ini.tmp7"})
        writeBytes(std::string("scan_tmp/") + name, "x");
    std::vector<std::string> files;
    scanDirectory(files, "scan_tmp");
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{".", "..", "a.map", "c.tmp", "d.tmpx1"}));

    // 2^31 - 2 is no running process; this test's own save is still going on.
    unlink("scan_tmp/b.map.tmp4242");
    unlink("scan_tmp/settings.ini.tmp7");
    std::string ours = "e.map.tmp" + std::to_string(getpid());
    writeBytes("scan_tmp/" + ours, "x");
    writeBytes("scan_tmp/f.map.tmp2147483646", "x");
    {
        Quiet q;
        removeStaleTempSaves("scan_tmp");
    }
    EXPECT_EQ(folderEntries("scan_tmp"),
              (std::vector<std::string>{"a.map", "c.tmp", "d.tmpx1", ours}));
}

// An installed game links the player's folder to its shipped files (the
// maps); saving under a shipped name must give the player a file of their own
// and never write through the link into the installed one.
TEST(SafeSave, SavingOverALinkReplacesTheLinkNotTheFileItPointsTo) {
    for (const Saver& s : savers()) {
        std::string dir = scratch(std::string(s.what) + "_link");
        std::string shipped = dir + "/shipped", path = dir + "/saved";
        writeBytes(shipped, OLD);
        ASSERT_EQ(symlink("shipped", path.c_str()), 0);
        EXPECT_TRUE(s.save(path)) << s.what;
        struct stat st;
        ASSERT_EQ(lstat(path.c_str(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode)) << s.what << ": the link is still there";
        EXPECT_NE(readBytes(path), OLD) << s.what;
        EXPECT_EQ(readBytes(shipped), OLD) << s.what << ": the shipped file changed";
    }
}
