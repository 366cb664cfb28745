// The settings file's key table: both orders complete, and the file a start and a
// save leave behind unchanged byte for byte.
#include "../profile_file/temp_folder.h"
#include "app/program.h"
#include "platform/fake/fake_platform.h"
#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>

using namespace kelvaro;

namespace {

std::string fileAfterStartAndSave(const std::string& before) {
    TempFolder folder;
    const std::string dir = folder.path().string() + "/";
    folder.put("Kelvaro.ini", before);
    FakePlatform fakes;
    auto app = createProgram(fakes.platform(folder.file("handover.ini")), LocaleInfo::enUS(), dir, {});
    firstPaint(*app);
    SaveAllSettings(*app);
    std::string text = folder.get("Kelvaro.ini");
    for (size_t at; (at = text.find(dir)) != std::string::npos;)
        text.replace(at, dir.size(), "<dir>/");
    return text;
}

} // namespace

// Keys the program does not know stay where they are; its own keys follow in the write order.
TEST(SettingsLayout, AFreshFileGetsEveryKeyInTheWriteOrder) {
    EXPECT_EQ(fileAfterStartAndSave("[Data]\r\nPlanner=keep\r\nLastTimeSynch=01/01/2002 00:00:00\r\n"),
              std::string("[Data]\r\n"
                          "Planner=keep\r\n"
                          "LastTimeSynch=01/01/2002 00:00:00\r\n"
                          "CurrDir=<dir>/\r\n"
                          "WInOrder=0\r\n"
                          "WRandom=1\r\n"
                          "WSingle=0\r\n"
                          "STNewMusic=1\r\n"
                          "AlarmMilestones=1\r\n"
                          "ShowTimeInTask=1\r\n"
                          "WarnChange=0\r\n"
                          "SayTime=1\r\n"
                          "QuietTime=1\r\n"
                          "SayAlarm=1\r\n"
                          "SeperateSunday=0\r\n"
                          "AutoStart=1\r\n"
                          "N24Hour=0\r\n"
                          "AlarmON=1\r\n"
                          "AlarmOFF=0\r\n"
                          "AlarmOnce=0\r\n"
                          "MonitorOff=0\r\n"
                          "MuteFix1=0\r\n"
                          "StopHibernate=1\r\n"
                          "Snooze=1\r\n"
                          "CDPlayer=0\r\n"
                          "AllowWebTime=1\r\n"
                          "CDInOrder=0\r\n"
                          "CDRandom=0\r\n"
                          "CDSingle=0\r\n"
                          "CDWhole=1\r\n"
                          "MIDIMusic=1\r\n"
                          "WebRadioMusic=0\r\n"
                          "MP3Music=0\r\n"
                          "Ding=0\r\n"
                          "ProgChoice=0\r\n"
                          "Locked=0\r\n"
                          "WarnBatteryLow=1\r\n"
                          "MusicSeconds=120\r\n"
                          "SnoozeSeconds=0\r\n"
                          "TimeHost=time.nist.gov\r\n"
                          "SnozTime=05\r\n"
                          "Hour=07\r\n"
                          "Minute=30\r\n"
                          "AMPM=AM\r\n"
                          "ProgParams=\r\n"
                          "CDPath=D:\\Track01.cda\r\n"
                          "WebRadioPath=https://somafm.com/groovesalad.pls\r\n"
                          "MIDIPath=<dir>/Mission2.mid\r\n"
                          "MP3Path=<dir>/TaDa.mp3\r\n"
                          "ProgramPath=<dir>/australia.exe\r\n"
                          "TClockH=0\r\n"
                          "TClockW=0\r\n"
                          "MIDIVolume=32767\r\n"
                          "WaveVolume=32767\r\n"
                          "CDVolume=32767\r\n"
                          "LateLimit=60\r\n"
                          "GentleStart=0\r\n"
                          "Language=Follow the desktop\r\n"));
}

// Every key read goes back to the place and value it came from: each key reads and
// writes the same control or member.
TEST(SettingsLayout, EveryStoredValueSurvivesAStartAndASave) {
    const std::string stored =
        "[Data]\r\nSnooze=0\r\nQuietTime=0\r\nMIDIMusic=0\r\nAlarmMilestones=0\r\nSnoozeSeconds="
        "5\r\nShowTimeInTask=0\r\nWInOrder=1\r\nCurrDir=/elsewhere/"
        "\r\nWaveVolume=200\r\nAllowWebTime=0\r\nProgParams=-a "
        "1\r\nAutoStart=0\r\nMuteFix1=1\r\nAMPM=PM\r\nProgramPath=/usr/bin/"
        "xclock\r\nCDVolume=300\r\nLastTimeSynch=03/04/2005 "
        "06:07:08\r\nSeperateSunday=0\r\nMIDIVolume=100\r\nMP3Path=/m/"
        "b.mp3\r\nWarnChange=0\r\nCDPlayer=0\r\nCDInOrder=0\r\nWRandom=0\r\nMP3Music=1\r\nWebRadioMusic="
        "0\r\nLocked=1\r\nMonitorOff=1\r\nProgChoice=0\r\nN24Hour=1\r\nSnozTime=10\r\nWebRadioPath=https://"
        "radio.example/live\r\nMIDIPath=/m/"
        "a.mid\r\nMinute=41\r\nSayAlarm=0\r\nTClockH=3\r\nCDSingle=0\r\nCDWhole=0\r\nAlarmOFF=1\r\nWSingle="
        "0\r\nSayTime=0\r\nMusicSeconds=30\r\nTClockW=-4\r\nHour=23\r\nDing=0\r\nAlarmOnce=1\r\nTimeHost="
        "pool.example\r\nAlarmON=0\r\nSTNewMusic=0\r\nCDPath=/dev/sr0/"
        "Track03.cda\r\nCDRandom=1\r\nStopHibernate=0\r\nWarnBatteryLow=0\r\nGentleStart=8\r\nLateLimit="
        "15\r\nLanguage=Deutsch\r\n";
    EXPECT_EQ(fileAfterStartAndSave(stored), stored);
}

TEST(SettingsLayout, BothOrdersNameEveryKeyOnce) {
    const std::vector<std::string> read = settingsReadOrder();
    const std::vector<std::string> written = settingsWriteOrder();
    EXPECT_EQ(read.size(), 56u);
    EXPECT_EQ(std::set<std::string>(read.begin(), read.end()).size(), read.size());
    std::vector<std::string> readButCurrDir;
    std::copy_if(read.begin(), read.end(), std::back_inserter(readButCurrDir),
                 [](const std::string& k) { return k != "CurrDir"; });
    std::vector<std::string> a = readButCurrDir, b = written;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    EXPECT_EQ(a, b) << "the save writes exactly the keys the load reads, \"CurrDir\" aside";
    EXPECT_EQ(read.front(), "WInOrder");
    EXPECT_EQ(read.back(), "Locked");
}
