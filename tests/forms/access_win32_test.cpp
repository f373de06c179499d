// access_win32_test.cpp: the board as a screen reader on Windows reads it,
// through MSAA, from the program's own process and from another.
#include <windows.h>

#include <oleacc.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "classlib/win32/window_win32.h"
#include "forms/mainwindow_fixture.h"
#include "support/driver.h"

using namespace classlib;

namespace formtest {
namespace {

constexpr GUID kIAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

std::string Utf8(BSTR text) {
  const TString read = win32::FromWide(text);
  SysFreeString(text);
  return read.Utf8();
}

// What the probe read from another process, a line each; the window's
// thread answers its questions meanwhile.
std::vector<std::string> ReadFromAnotherProcess(HWND window, const std::string& output) {
  std::wstring command = L"\"" TESSRA_MSAA_PROBE_W L"\" " + std::to_wstring(reinterpret_cast<std::uintptr_t>(window)) +
                         L" \"" + win32::Wide(TString(output)) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return {"could not start the probe"};
  }
  // A bound for a hang only.
  const ULONGLONG deadline = GetTickCount64() + 60000;
  while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 100, QS_ALLINPUT) != WAIT_OBJECT_0 &&
         GetTickCount64() < deadline) {
    testdriver::ProcessEvents();
  }
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (code != 0) return {"the probe failed with " + std::to_string(code)};
  std::ifstream in(testsupport::Utf8Path(output));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST_F(MainWindowTest, ScreenReadersReadTheBoardInProcessAndFromAnother) {
  Open(WriteBmp(dir_, "pattern.bmp", PatternPicture(200, 200)));
  Start(1);  // piece 21 is missing; its cell 3 is the blank
  HWND board = win32::HandleOf(*window_->DGMain);
  IAccessible* object = nullptr;
  ASSERT_TRUE(SUCCEEDED(AccessibleObjectFromWindow(board, static_cast<DWORD>(OBJID_CLIENT), kIAccessible,
                                                   reinterpret_cast<void**>(&object))));
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  const struct {
    long Child;
    const char* Name;
    long Role;
  } rows[] = {{CHILDID_SELF, "盤", ROLE_SYSTEM_TABLE}, {1, "ピース 16", ROLE_SYSTEM_CELL}, {4, "空きマス", ROLE_SYSTEM_CELL}};
  for (const auto& r : rows) {
    child.lVal = r.Child;
    BSTR name = nullptr;
    object->get_accName(child, &name);
    VARIANT role;
    object->get_accRole(child, &role);
    EXPECT_EQ(std::pair(Utf8(name), role.lVal), std::pair(std::string(r.Name), r.Role)) << r.Child;
  }
  child.lVal = 1;
  VARIANT state;
  object->get_accState(child, &state);
  EXPECT_NE(state.lVal & STATE_SYSTEM_SELECTED, 0) << "the current cell";
  const TRect third = window_->DGMain->CellRect(2, 0);
  POINT inside{third.Right - 1, third.Bottom - 1};
  ClientToScreen(board, &inside);
  VARIANT hit;
  object->accHitTest(inside.x, inside.y, &hit);
  EXPECT_EQ(hit.lVal, 3) << "the cell under a point";
  // The press slides the selected piece 8 beside the blank into it.
  window_->DGMain->SetCol(2);
  child.lVal = 4;
  EXPECT_EQ(object->accDoDefaultAction(child), S_OK);
  EXPECT_EQ(View().Game().PieceMap[3], 8);
  object->Release();

  const std::vector<std::string> read = ReadFromAnotherProcess(board, dir_.FilePath("read.txt"));
  ASSERT_EQ(read.size(), 27u) << read[0];
  EXPECT_EQ(std::vector<std::string>(read.begin(), read.begin() + 6),
            (std::vector<std::string>{"盤", "25", "ピース 16", "ピース 25", "空きマス", "ピース 9"}));
}

// What a screen reader hears: each event on the board, read back from its
// source as a screen reader reads it.
struct Heard {
  DWORD Event;
  long Child;
  std::string Name, Description;
};
std::vector<Heard> heard;

void CALLBACK Listen(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
  IAccessible* source = nullptr;
  VARIANT id;
  if (object != OBJID_CLIENT || FAILED(AccessibleObjectFromEvent(hwnd, object, child, &source, &id))) return;
  BSTR name = nullptr, description = nullptr;
  source->get_accName(id, &name);
  source->get_accDescription(id, &description);
  heard.push_back({event, child, Utf8(name), Utf8(description)});
  source->Release();
}

TEST_F(MainWindowTest, AScreenReaderHearsTheLastSlideAndTheWholePicture) {
  Open(WriteBmp(dir_, "pattern.bmp", PatternPicture(200, 200)));
  Start(1);
  IAccessible* object = nullptr;
  ASSERT_TRUE(SUCCEEDED(AccessibleObjectFromWindow(win32::HandleOf(*window_->DGMain), static_cast<DWORD>(OBJID_CLIENT),
                                                   kIAccessible, reinterpret_cast<void**>(&object))));
  ArrangeOneSlideFromHome(12);
  // The reader has read the blank's cell, so it hears when its name changes.
  VARIANT blank;
  VariantInit(&blank);
  blank.vt = VT_I4;
  blank.lVal = 14;
  BSTR before = nullptr;
  object->get_accName(blank, &before);
  EXPECT_EQ(Utf8(before), "空きマス");
  object->Release();
  ClickCell(2, 2);
  heard.clear();
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr, Listen,
                                       GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  testdriver::PressKey(window_->DGMain, VK_RETURN);
  testdriver::ProcessEvents();
  UnhookWinEvent(hook);
  const auto saw = [](DWORD event, long child, const std::string& name, const std::string& description) {
    return std::ranges::any_of(heard, [&](const Heard& h) {
      return h.Event == event && h.Child == child && h.Name == name && (description.empty() || h.Description == description);
    });
  };
  const std::string whole = "完成しました。すべてのピースが正しい位置にあります。";
  EXPECT_TRUE(saw(EVENT_OBJECT_NAMECHANGE, 14, "ピース 14", "")) << "the piece slid home";
  EXPECT_TRUE(saw(EVENT_OBJECT_FOCUS, 14, "ピース 14", whole)) << "the cell with the focus, and the whole picture";
}

}  // namespace
}  // namespace formtest
