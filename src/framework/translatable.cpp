#include "framework/translatable.h"

#include <deque>
#include <mutex>
#include <optional>
#include <unordered_map>

namespace kelvaro {

namespace {

// Enough for every text on every window at once; older texts are no longer shown.
constexpr size_t kRemembered = 4096;

struct Memo {
    std::mutex lock;
    std::unordered_map<std::string, Composition> byText;
    std::deque<std::string> order;
};

Memo& memo() {
    static Memo m;
    return m;
}

void remember(const std::string& text, Composition composition) {
    Memo& m = memo();
    const std::lock_guard guard(m.lock);
    if (m.byText.insert_or_assign(text, std::move(composition)).second) {
        m.order.push_back(text);
        if (m.order.size() > kRemembered) {
            m.byText.erase(m.order.front());
            m.order.pop_front();
        }
    }
}

} // namespace

std::string substitute(std::string_view pattern, const std::vector<std::string>& args, long count,
                       std::string_view countText) {
    std::string out;
    out.reserve(pattern.size() + 16);
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size()) {
            const char d = pattern[i + 1];
            if (d >= '1' && d <= '9' && static_cast<size_t>(d - '1') < args.size()) {
                out += args[static_cast<size_t>(d - '1')];
                ++i;
                continue;
            }
            if (d == 'n' && count >= 0) {
                if (countText.empty())
                    out += std::to_string(count);
                else
                    out += countText;
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string fillPattern(std::string_view pattern, std::initializer_list<std::string_view> args) {
    Composition c{std::string(pattern), {args.begin(), args.end()}, -1, {}};
    std::string text = substitute(c.pattern, c.args);
    remember(text, std::move(c));
    return text;
}

std::string fillCount(std::string_view pattern, std::string_view singular, long n,
                      std::initializer_list<std::string_view> args, std::string_view countText) {
    // English says "1 minute"; the catalogue knows both by the plural pattern.
    Composition c{std::string(pattern), {args.begin(), args.end()}, n, std::string(countText)};
    std::string text = substitute(n == 1 ? singular : pattern, c.args, n, c.countText);
    remember(text, std::move(c));
    return text;
}

std::optional<Composition> compositionOf(const std::string& text) {
    Memo& m = memo();
    const std::lock_guard guard(m.lock);
    const auto it = m.byText.find(text);
    if (it == m.byText.end()) return std::nullopt;
    return it->second;
}

} // namespace kelvaro
