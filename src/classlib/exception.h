// exception.h: the one exception type of the class library, carrying a message.
#pragma once

#include <exception>

#include "classlib/tstring.h"

namespace classlib {

class Exception : public std::exception {
 public:
  explicit Exception(TString message) : message_(std::move(message)) {}

  const TString& Message() const { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  TString message_;
};

}  // namespace classlib
