// tstring.h: the class library's string type: UTF-8 text, with the "%1"
// substitution the forms' sentences use.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace classlib {

class TString {
 public:
  TString() = default;
  TString(const char* utf8) : text_(utf8 == nullptr ? "" : utf8) {}  // NOLINT: literals are strings
  TString(std::string utf8) : text_(std::move(utf8)) {}               // NOLINT
  TString(std::string_view utf8) : text_(utf8) {}                     // NOLINT

  const std::string& Utf8() const { return text_; }
  const char* c_str() const { return text_.c_str(); }
  bool IsEmpty() const { return text_.empty(); }

  // Replaces every "%n" of the lowest number n in the text (1 to 99) with
  // `value`; the text is unchanged when it has none.
  TString Arg(const TString& value) const { return Substitute({&value, 1}); }
  TString Arg(long long value) const;
  // Both at once: the lowest-numbered markers take `first`, the next
  // `second`, so that a "%2" inside `first` stays as it is.
  TString Arg(const TString& first, const TString& second) const {
    const TString values[] = {first, second};
    return Substitute(values);
  }

  TString& operator+=(const TString& more) {
    text_ += more.text_;
    return *this;
  }
  friend TString operator+(TString a, const TString& b) { return a += b; }
  friend bool operator==(const TString&, const TString&) = default;
  friend std::ostream& operator<<(std::ostream& out, const TString& s) { return out << s.text_; }

 private:
  TString Substitute(std::span<const TString> values) const;

  std::string text_;
};

}  // namespace classlib
