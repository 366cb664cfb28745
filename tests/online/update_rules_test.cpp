// What an update may touch, and which sites it may come from.
#include "online/update_rules.h"

#include <gtest/gtest.h>

using namespace kelvaro;

TEST(UpdateRules, OnlyBannerPagesAndPicturesByPlainName) {
    for (const char* ok : {"b1.htm", "B6.HTM", "logo.png", "top-2.gif", "x.jpeg", "a_b.jpg"})
        EXPECT_TRUE(updateMayTouch(ok)) << ok;
    for (const char* bad : {"",           "b7.htm",      "b1.html",     "../b1.htm",
                            "sub/b1.htm", "/tmp/b1.htm", "..\\b1.htm",  "Kelvaro.ini",
                            "Cities.txt", "Waves.wva",   "kelvaro",     "CleanUp.exe",
                            "run.sh",     ".png",        ".hidden.png", "a..png",
                            "C:b1.htm",   "b1.htm ",     "pic.png.exe", "KVCWeb5.ini"})
        EXPECT_FALSE(updateMayTouch(bad)) << bad;
    EXPECT_FALSE(updateMayTouch(downloadName("b1.htm"))); // a half-done download is never a target
}

TEST(UpdateRules, SitesAreHttpsFolders) {
    EXPECT_TRUE(isUpdateSite("https://update.kelvaro.test/kv/"));
    EXPECT_TRUE(isUpdateSite("HTTPS://update.kelvaro.test/"));
    for (const char* bad : {"", "http://update.kelvaro.test/", "https://update.kelvaro.test/kv", "https:///",
                            "file:///tmp/", "ftp://x/", "https://x/?a=/", "https://x y/"})
        EXPECT_FALSE(isUpdateSite(bad)) << bad;
}
