#pragma once
// The texts the user meets are written in English in the logic and translated where they are
// shown. `KV_TR` marks such a text (scripts/i18n collects every marked text into the
// catalogues); a text made of parts is filled from one marked pattern, so the view can find the
// pattern again and translate it whole.
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Expands to the English text itself; a marker for the catalogue, nothing at run time.
#define KV_TR(text) text

namespace kelvaro {

// The pattern a shown text was filled from, with its arguments; `count` fills %n.
struct Composition {
    std::string pattern;
    std::vector<std::string> args;
    long count = -1;
    std::string countText; // how %n was written, when not as a plain number ("05")
};

// "%1 at %2" with {"Paris", "07:00"}: "Paris at 07:00". The pattern is remembered for the text.
std::string fillPattern(std::string_view pattern, std::initializer_list<std::string_view> args);
// A count in %n, which the languages give their plural forms; the English pattern is the plural
// ("%n minutes"), `singular` the English text for one. `countText` writes %n ("05") if given.
std::string fillCount(std::string_view pattern, std::string_view singular, long n,
                      std::initializer_list<std::string_view> args = {}, std::string_view countText = {});
// The pattern a text was last filled from; the latest few thousand texts are kept.
std::optional<Composition> compositionOf(const std::string& text);
// Replaces %1..%9 (and %n by `count`) without remembering anything.
std::string substitute(std::string_view pattern, const std::vector<std::string>& args, long count = -1,
                       std::string_view countText = {});

} // namespace kelvaro
