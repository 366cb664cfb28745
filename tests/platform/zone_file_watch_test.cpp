// The watch on the folder of the zone files, on a temporary folder: a replaced link, a rewritten
// name file, and the 100 ms re-read where no watch can be had. Times are given, never waited for.
#include "platform/linux/zone_file_watch.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace kelvaro;

namespace {

struct ZoneFolder {
    QTemporaryDir dir;
    std::string path(const char* name) const { return dir.path().toStdString() + "/" + name; }
};

} // namespace

// As `timedatectl` does it: a new link under another name, renamed over localtime.
TEST(ZoneFileWatch, SeesTheLinkReplacedByRenameAndNothingElse) {
    ZoneFolder folder;
    ASSERT_EQ(symlink("/usr/share/zoneinfo/Europe/Berlin", folder.path("localtime").c_str()), 0);
    ZoneFileWatch watch(folder.dir.path().toStdString());
    ASSERT_TRUE(watch.watching());
    EXPECT_TRUE(watch.changed(1000)); // the first reading reads
    EXPECT_FALSE(watch.changed(1100));
    std::ofstream(folder.path("hostname")) << "other\n"; // another file of the folder
    EXPECT_FALSE(watch.changed(1200));

    ASSERT_EQ(symlink("/usr/share/zoneinfo/Asia/Kathmandu", folder.path(".#localtime1a2b").c_str()), 0);
    EXPECT_FALSE(watch.changed(1300)); // the new link exists, localtime is still the old one
    ASSERT_EQ(std::rename(folder.path(".#localtime1a2b").c_str(), folder.path("localtime").c_str()), 0);
    EXPECT_FALSE(watch.changed(1350)); // within the window: no look, but the change is kept
    EXPECT_TRUE(watch.changed(1400));
    EXPECT_FALSE(watch.changed(1500));
}

TEST(ZoneFileWatch, SeesTheNameFileRewrittenInPlace) {
    ZoneFolder folder;
    std::ofstream(folder.path("timezone")) << "Europe/Berlin\n";
    ZoneFileWatch watch(folder.dir.path().toStdString());
    EXPECT_TRUE(watch.changed(0));
    EXPECT_FALSE(watch.changed(100));
    std::ofstream(folder.path("timezone"), std::ios::trunc) << "Asia/Kathmandu\n";
    EXPECT_TRUE(watch.changed(200));
    EXPECT_FALSE(watch.changed(300));
}

TEST(ZoneFileWatch, WithoutAWatchEveryWindowCountsAsAChange) {
    ZoneFileWatch missing("/nonexistent/kelvaro-zone-folder");
    EXPECT_FALSE(missing.watching());
    EXPECT_TRUE(missing.changed(0));
    EXPECT_FALSE(missing.changed(99));
    EXPECT_TRUE(missing.changed(100));
    EXPECT_FALSE(missing.changed(150));
    EXPECT_TRUE(missing.changed(230));
    EXPECT_TRUE(missing.changed(330));

    // A watched folder that goes away leaves nothing to report changes: the same re-read follows.
    ZoneFolder folder;
    const std::string gone = folder.path("etc");
    ASSERT_EQ(mkdir(gone.c_str(), 0700), 0);
    ZoneFileWatch watch(gone);
    EXPECT_TRUE(watch.changed(0));
    ASSERT_EQ(rmdir(gone.c_str()), 0);
    EXPECT_TRUE(watch.changed(100));
    EXPECT_FALSE(watch.watching());
    EXPECT_FALSE(watch.changed(150));
    EXPECT_TRUE(watch.changed(200));
}
