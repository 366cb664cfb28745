#pragma once
// The fields of a control that a view shows. Each one renews its control's stamp
// when its value changes, so the view can skip, without reading them, the
// controls whose stamp is the one it last showed. About 430 places write these
// fields; they keep plain assignments, and whatever changes a field in place
// asks for it with edit().
#include <concepts>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace kelvaro {

struct Control;

// A number no two states of any control share: a change, a copy and an assignment
// each take the next one, so a stamp a view remembers is never met again by accident.
// The numbers live side by side in a table, not in the controls: a view that checks a
// hundred controls each second reads a few lines of memory instead of a hundred controls.
class WriteStamp {
  public:
    WriteStamp() : cell_(takeCell()) { *cell_ = ++last_; }
    WriteStamp(const WriteStamp&) : WriteStamp() {}
    WriteStamp& operator=(const WriteStamp&) {
        renew();
        return *this;
    }
    ~WriteStamp() { giveBack(cell_); }
    void renew() { *cell_ = ++last_; }
    std::uint64_t value() const { return *cell_; }
    // Where the value is kept, for as long as the stamp lives.
    const std::uint64_t* cell() const { return cell_; }
    bool operator==(const WriteStamp&) const { return true; } // not part of what a control shows

  private:
    static std::uint64_t* takeCell();
    static void giveBack(std::uint64_t* cell);
    inline static std::uint64_t last_ = 0; // the program's controls live on one thread
    std::uint64_t* cell_;
};

template <class T> class Watched {
  public:
    const T& get() const { return value_; }
    operator const T&() const { return value_; }
    operator std::string_view() const requires std::same_as<T, std::string> { return value_; }
    // For changes in place (an item appended, a cell written): the stamp moves at once.
    T& edit() {
        changed();
        return value_;
    }

    Watched& operator=(const Watched& other) { return *this = other.value_; }
    Watched& operator=(const T& value) {
        if (!(value_ == value)) {
            value_ = value;
            changed();
        }
        return *this;
    }
    Watched& operator=(T&& value) {
        if (!(value_ == value)) {
            value_ = std::move(value);
            changed();
        }
        return *this;
    }
    template <class U>
    requires(!std::same_as<std::remove_cvref_t<U>, T> && !std::same_as<std::remove_cvref_t<U>, Watched> &&
             std::is_assignable_v<T&, U&&>) Watched&
    operator=(U&& value) {
        if constexpr (requires { value_ == value; })
            if (value_ == value) return *this;
        value_ = std::forward<U>(value);
        changed();
        return *this;
    }

    template <class U> Watched& operator+=(U&& other) {
        value_ += std::forward<U>(other);
        changed();
        return *this;
    }
    template <class U> Watched& operator-=(U&& other) {
        value_ -= std::forward<U>(other);
        changed();
        return *this;
    }
    Watched& operator++() requires std::is_arithmetic_v<T> {
        ++value_;
        changed();
        return *this;
    }
    Watched& operator--() requires std::is_arithmetic_v<T> {
        --value_;
        changed();
        return *this;
    }
    T operator++(int) requires std::is_arithmetic_v<T> {
        T old = value_;
        ++*this;
        return old;
    }
    T operator--(int) requires std::is_arithmetic_v<T> {
        T old = value_;
        --*this;
        return old;
    }

    bool operator==(const Watched& other) const { return value_ == other.value_; }
    template <class U>
    requires(!std::same_as<U, Watched> && requires(const T& t, const U& u) { t == u; }) bool
    operator==(const U& other) const {
        return value_ == other;
    }

    // What reading a text or a list needs, without spelling get().
    auto size() const requires requires(const T& t) { t.size(); }
    { return value_.size(); }
    bool empty() const requires requires(const T& t) { t.empty(); }
    { return value_.empty(); }
    auto begin() const requires requires(const T& t) { t.begin(); }
    { return value_.begin(); }
    auto end() const requires requires(const T& t) { t.end(); }
    { return value_.end(); }
    decltype(auto) operator[](std::size_t i) const requires requires(const T& t) { t[i]; }
    { return value_[i]; }
    decltype(auto) at(std::size_t i) const requires requires(const T& t) { t.at(i); }
    { return value_.at(i); }
    decltype(auto) front() const requires requires(const T& t) { t.front(); }
    { return value_.front(); }
    const char* c_str() const requires std::same_as<T, std::string> { return value_.c_str(); }

    friend std::string operator+(const Watched& a,
                                 const std::string& b) requires std::same_as<T, std::string> {
        return a.value_ + b;
    }
    friend std::string operator+(const std::string& a,
                                 const Watched& b) requires std::same_as<T, std::string> {
        return a + b.value_;
    }
    friend std::string operator+(const Watched& a, const char* b) requires std::same_as<T, std::string> {
        return a.value_ + b;
    }
    friend std::string operator+(const char* a, const Watched& b) requires std::same_as<T, std::string> {
        return a + b.value_;
    }
    friend std::string operator+(const Watched& a, char b) requires std::same_as<T, std::string> {
        return a.value_ + b;
    }
    friend std::string operator+(char a, const Watched& b) requires std::same_as<T, std::string> {
        return a + b.value_;
    }
    friend std::ostream& operator<<(std::ostream& out, const Watched& w) requires
        requires(std::ostream& o, const T& t) {
        o << t;
    }
    { return out << w.value_; }

  private:
    friend struct Control;
    // Only a control makes these, as its own members: a field finds its control by
    // the distance between the two, which a copy of the field keeps.
    template <class... A>
    explicit Watched(const Control* owner, A&&... value)
        : value_(std::forward<A>(value)...),
          back_(static_cast<std::uint16_t>(reinterpret_cast<const char*>(this) -
                                           reinterpret_cast<const char*>(owner))) {}
    Watched(const Watched&) = default;
    Watched(Watched&&) = default;
    void changed();

    T value_;
    std::uint16_t back_;
};

} // namespace kelvaro
