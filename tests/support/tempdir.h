// tempdir.h: a fresh folder of the test's own, removed with all it holds.
#pragma once

#include <atomic>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#if defined(_WIN32)
#include <process.h>
#else
#include <stdlib.h>
#endif

namespace testsupport {

// Paths as the program takes them, in UTF-8 whatever the system's code page.
inline std::filesystem::path Utf8Path(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
inline std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

class TempDir {
 public:
  // Private to the user (mode 0700) on POSIX.
  TempDir() {
#if defined(_WIN32)
    static std::atomic<int> made{0};
    path_ = std::filesystem::temp_directory_path() /
            ("tessra-test-" + std::to_string(_getpid()) + "-" + std::to_string(made++));
    std::filesystem::create_directories(path_);
#else
    std::string pattern = (std::filesystem::temp_directory_path() / "tessra-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
#endif
  }
  ~TempDir() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  bool IsValid() const { return !path_.empty() && std::filesystem::is_directory(path_); }
  const std::filesystem::path& Path() const { return path_; }
  // In UTF-8.
  std::string FilePath(std::string_view name) const { return Utf8(path_ / Utf8Path(name)); }

 private:
  std::filesystem::path path_;
};

}  // namespace testsupport
