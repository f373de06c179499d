// bmploader_support.h: loading BMP files through the class library in
// tests: the refusal a load throws, and a fresh folder per test.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "classlib/bmploader.h"
#include "classlib/exception.h"
#include "support/tempdir.h"

namespace testsupport {

// The message of the Exception the call throws, in UTF-8, or "" when it
// returns.
template <typename F>
std::string MessageOf(F call) {
  try {
    call();
  } catch (const classlib::Exception& e) {
    return e.Message().Utf8();
  }
  return {};
}

inline platform::Surface Load(const std::filesystem::path& path) {
  platform::Surface s;
  classlib::LoadBmpFile(Utf8(path), s);
  return s;
}

// A fresh folder of the running test's own: tests run as parallel processes.
inline std::filesystem::path TestDir() {
  const std::filesystem::path dir = std::filesystem::path(TESSRA_TEST_OUTPUT_DIR) / "bmploader" /
                                    ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

}  // namespace testsupport
