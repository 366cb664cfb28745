#include "sound/default_sounds.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace kelvaro;
namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct DefaultSoundsTest : ::testing::Test {
    fs::path root;
    void SetUp() override {
        root = fs::temp_directory_path() / ("kelvaro-sounds-" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "program");
    }
    void TearDown() override { fs::remove_all(root); }
};

TEST_F(DefaultSoundsTest, TheSourceTreeHoldsBothSounds) {
    const std::string dir = findDefaultSoundsDir("");
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    // Real files of real formats: an MP3 frame or ID3 tag, a standard MIDI file.
    const std::string mp3 = readAll(dir + "TaDa.mp3");
    ASSERT_GT(mp3.size(), 1000u);
    EXPECT_TRUE(mp3.rfind("ID3", 0) == 0 || (static_cast<unsigned char>(mp3[0]) == 0xFF));
    EXPECT_EQ(readAll(dir + "Mission2.mid").substr(0, 4), "MThd");
}

TEST_F(DefaultSoundsTest, ASoundsFolderBesideTheExecutableComesFirst) {
    fs::create_directories(root / "bin" / "sounds");
    for (const auto& name : defaultSoundNames())
        std::ofstream(root / "bin" / "sounds" / name) << "x";
    EXPECT_EQ(findDefaultSoundsDir((root / "bin").string()), (root / "bin" / "sounds").string() + "/");
    fs::remove(root / "bin" / "sounds" / "Mission2.mid"); // half a set does not count
    EXPECT_NE(findDefaultSoundsDir((root / "bin").string()), (root / "bin" / "sounds").string() + "/");
}

TEST_F(DefaultSoundsTest, CopiesOnlyWhatIsMissingAndKeepsTheUsersFiles) {
    const std::string source = findDefaultSoundsDir("");
    std::ofstream(root / "program" / "TaDa.mp3") << "mine";
    const auto copied = installDefaultSounds((root / "program").string() + "/", source);
    EXPECT_EQ(copied, std::vector<std::string>{"Mission2.mid"});
    EXPECT_EQ(readAll(root / "program" / "TaDa.mp3"), "mine");
    EXPECT_EQ(readAll(root / "program" / "Mission2.mid"), readAll(source + "Mission2.mid"));
    EXPECT_TRUE(installDefaultSounds((root / "program").string(), source).empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(root / "program"), fs::directory_iterator()), 2);
}

TEST_F(DefaultSoundsTest, AMissingSourceCopiesNothingAndLeavesNoDebris) {
    EXPECT_TRUE(installDefaultSounds((root / "program").string(), (root / "nowhere").string()).empty());
    EXPECT_TRUE(fs::is_empty(root / "program"));
}

} // namespace
