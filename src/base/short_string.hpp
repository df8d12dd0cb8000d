#pragma once
// A string of fixed capacity, as held by the process-wide records.
// Assigning a longer text keeps only its first N characters, so a record can
// never grow past the size its saved-game block reserves for it.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace glossamo {

template <std::size_t N>
class ShortString {
public:
    static constexpr std::size_t capacity = N;

    ShortString() = default;
    ShortString(std::string_view text) { assign(text); }  // NOLINT: implicit on purpose
    ShortString(const char* text) { assign(text); }       // NOLINT
    ShortString(const std::string& text) { assign(text); } // NOLINT

    ShortString& operator=(std::string_view text) { assign(text); return *this; }
    ShortString& operator=(const char* text) { assign(text); return *this; }
    ShortString& operator=(const std::string& text) { assign(text); return *this; }

    void assign(std::string_view text) {
        length_ = text.size() < N ? text.size() : N;
        text.copy(chars_.data(), length_);
        chars_[length_] = '\0';
    }
    void clear() { assign({}); }

    std::size_t size() const { return length_; }
    bool empty() const { return length_ == 0; }
    const char* c_str() const { return chars_.data(); }
    std::string_view view() const { return {chars_.data(), length_}; }
    std::string str() const { return std::string(view()); }
    operator std::string_view() const { return view(); }  // NOLINT

    char operator[](std::size_t i) const { return chars_[i]; }

    friend bool operator==(const ShortString& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const ShortString& a, const ShortString& b) { return a.view() == b.view(); }

private:
    std::array<char, N + 1> chars_{};
    std::size_t length_ = 0;
};

}  // namespace glossamo
