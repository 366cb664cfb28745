#pragma once
// What an update description may ask for. Updates bring banner pages and their
// pictures and nothing else: never the settings, the lists, the sounds or a program.
#include <cstdint>
#include <string>

namespace kelvaro {

constexpr const char* kUpdateDescription = "KVCWeb5.ini";
constexpr std::uint64_t kDescriptionLimit = 64 * 1024;      // bytes
constexpr std::uint64_t kUpdateFileLimit = 4 * 1024 * 1024; // bytes, one page or picture
// Most entries of [Sub] or [Delete] looked at: six pages and their pictures fit many times over.
constexpr int kUpdateEntryLimit = 100;

// A plain file name (no folder part, no "..", not absolute) of a banner page
// ("b1.htm" ... "b6.htm") or a picture (.gif, .jpg, .jpeg, .png).
bool updateMayTouch(const std::string& name);

// An update site: an "https://" URL ending in "/".
bool isUpdateSite(const std::string& url);

// The name of a temporary download next to `name`, never one an update may touch.
std::string downloadName(const std::string& name);

} // namespace kelvaro
