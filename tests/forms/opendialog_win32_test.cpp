// opendialog_win32_test.cpp: a picture opened through Windows' own open
// dialog, as a player opens one: from a folder with a Japanese name, and
// then again from where the last one was.
#include <windows.h>

#include <commdlg.h>
#include <dlgs.h>

#include <filesystem>
#include <string>

#include "classlib/win32/window_win32.h"
#include "forms/mainwindow_fixture.h"
#include "support/driver.h"

namespace formtest {
namespace {

// What the player saw in the dialog.
struct Seen {
  std::wstring Title, Filter, Name, Folder;
};

// The player at the dialog. A thread timer ticks inside the dialog's own
// loop; at the first tick that finds the dialog it is read, then the path
// is typed and OK pressed, or, with no path, Cancel.
class Player {
 public:
  explicit Player(std::wstring typed) {
    typed_ = std::move(typed);
    seen_ = {};
    timer_ = SetTimer(nullptr, 0, 50, Tick);
  }
  ~Player() { KillTimer(nullptr, timer_); }
  static const Seen& What() { return seen_; }

 private:
  static std::wstring Text(HWND hwnd) {
    std::wstring text(GetWindowTextLengthW(hwnd) + 1, L'\0');
    text.resize(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size())));
    return text;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = FindWindowW(L"#32770", nullptr);
    if (dialog == nullptr || GetWindowThreadProcessId(dialog, nullptr) != GetCurrentThreadId()) return;
    KillTimer(nullptr, id);
    // The name box is a combo box in the newer dialog, an edit in the older.
    HWND name = GetDlgItem(dialog, cmb13) != nullptr ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
    wchar_t folder[MAX_PATH]{};
    SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
    seen_ = {Text(dialog), Text(GetDlgItem(dialog, cmb1)), Text(name), folder};
    if (typed_.empty()) {
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      return;
    }
    SetWindowTextW(name, typed_.c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  }

  static inline std::wstring typed_;
  static inline Seen seen_;
  UINT_PTR timer_ = 0;
};

TEST_F(MainWindowTest, APictureIsOpenedThroughTheSystemsDialogAndTheNextOpenStartsThere) {
  const std::filesystem::path folder = dir_.Path() / L"写真";
  std::filesystem::create_directories(folder);
  const std::filesystem::path picture = folder / L"夕焼け.bmp";
  WriteBmp(dir_, testsupport::Utf8(std::filesystem::relative(picture, dir_.Path())), PatternPicture(200, 150));

  {
    Player player(picture.wstring());
    testdriver::Choose(window_->MnuOpen);
  }
  EXPECT_EQ(Player::What().Title, L"ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙを開く");
  EXPECT_EQ(Player::What().Filter, L"ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ(*.bmp)");
  ASSERT_TRUE(View().PictureReady()) << "the chosen file, its Japanese names included, was opened";
  EXPECT_EQ(window_->ODPic->FileName().Utf8(), testsupport::Utf8(picture));

  // The next open starts from the picture chosen last; cancelling it keeps
  // the picture.
  {
    Player player(L"");
    testdriver::Choose(window_->MnuOpen);
  }
  EXPECT_EQ(Player::What().Name, L"夕焼け.bmp");
  EXPECT_EQ(std::filesystem::path(Player::What().Folder), folder);
  EXPECT_TRUE(View().PictureReady());
  EXPECT_EQ(window_->ODPic->FileName().Utf8(), testsupport::Utf8(picture));
}

}  // namespace
}  // namespace formtest
