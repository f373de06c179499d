// exception.h: the one exception type of the class library, carrying a message.
#pragma once

#include <QString>
#include <exception>
#include <string>

namespace classlib {

class Exception : public std::exception {
 public:
  explicit Exception(QString message)
      : message_(std::move(message)), utf8_(message_.toStdString()) {}

  const QString& Message() const { return message_; }
  const char* what() const noexcept override { return utf8_.c_str(); }

 private:
  QString message_;
  std::string utf8_;
};

}  // namespace classlib
