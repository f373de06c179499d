// tstring.cpp: "%n" substitution.
#include "classlib/tstring.h"

#include <algorithm>

namespace classlib {
namespace {

// The number of the marker at `at` ("%1" to "%99"), or 0.
int MarkerAt(const std::string& text, std::size_t at, std::size_t& length) {
  if (text[at] != '%' || at + 1 >= text.size()) return 0;
  int n = 0;
  length = 1;
  while (at + length < text.size() && length < 3 && text[at + length] >= '0' && text[at + length] <= '9') {
    n = n * 10 + (text[at + length] - '0');
    ++length;
  }
  return n;
}

}  // namespace

TString TString::Substitute(std::span<const TString> values) const {
  // The distinct marker numbers in the text, lowest first, one per value.
  int numbers[2] = {0, 0};
  const std::size_t wanted = std::min<std::size_t>(values.size(), 2);
  std::size_t length = 0;
  for (std::size_t k = 0; k < wanted; ++k) {
    for (std::size_t at = 0; at < text_.size(); ++at) {
      const int n = MarkerAt(text_, at, length);
      if (n > (k == 0 ? 0 : numbers[k - 1]) && (numbers[k] == 0 || n < numbers[k])) numbers[k] = n;
    }
  }
  if (numbers[0] == 0) return *this;
  std::string out;
  for (std::size_t at = 0; at < text_.size();) {
    const int n = MarkerAt(text_, at, length);
    std::size_t k = 0;
    while (k < wanted && (numbers[k] == 0 || numbers[k] != n)) ++k;
    if (n > 0 && k < wanted) {
      out += values[k].text_;
      at += length;
    } else {
      out += text_[at++];
    }
  }
  return out;
}

TString TString::Arg(long long value) const { return Arg(TString(std::to_string(value))); }

}  // namespace classlib
