// application_win32.cpp: the application's services on Win32: its hidden
// window, which carries the taskbar button and owns the main form, the
// message loop, minimising and restoring as the design does it, the icon,
// the button face and the common open dialog.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <objbase.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "classlib/application.h"
#include "classlib/form.h"
#include "classlib/win32/loop_win32.h"
#include "classlib/win32/window_win32.h"

namespace classlib::win32 {
namespace {

constexpr wchar_t kApplicationClass[] = L"TessraApplication";

HWND& ApplicationHandle() {
  static HWND handle = nullptr;
  return handle;
}

// The windows the program hid when it was minimised: Wine leaves a
// minimised window's owned windows on screen.
std::vector<HWND>& HiddenWindows() {
  static std::vector<HWND> hidden;
  return hidden;
}

std::vector<HICON>& Icons() {
  static std::vector<HICON> icons;
  return icons;
}

// Whether this thread's COM was started here, and so is ended here.
bool& ComReady() {
  static bool ready = false;
  return ready;
}

LRESULT CALLBACK ApplicationProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_SYSCOMMAND) {
    // The taskbar's restore, when it comes sent rather than queued.
    TMessage message{WM_SYSCOMMAND, static_cast<std::intptr_t>(wParam), lParam, 0};
    if (Application->HookMessage(message)) return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HICON IconFrom(const platform::MaskedGlyph& glyph) {
  const int w = glyph.Image.Width(), h = glyph.Image.Height();
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof header;
  header.bV5Width = w;
  header.bV5Height = -h;
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_BITFIELDS;
  header.bV5RedMask = 0x00FF0000;
  header.bV5GreenMask = 0x0000FF00;
  header.bV5BlueMask = 0x000000FF;
  header.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  ::HDC dc = GetDC(nullptr);
  HBITMAP colour = CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, dc);
  if (colour == nullptr) return nullptr;
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      pixels[y * w + x] = glyph.IsOpaque(x, y) ? (glyph.Image.Pixel(x, y) | 0xFF000000u) : 0;
    }
  }
  // An empty mask: the colour bitmap's alpha says what shows.
  const std::vector<std::uint8_t> clear(static_cast<std::size_t>((w + 15) / 16 * 2 * h), 0);
  HBITMAP mask = CreateBitmap(w, h, 1, 1, clear.data());
  ICONINFO info{TRUE, 0, 0, mask, colour};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  DeleteObject(colour);
  return icon;
}

}  // namespace

HWND ApplicationWindow() { return ApplicationHandle(); }

void RunMessageLoop(HWND dialog, const std::function<bool()>& done) {
  MSG m;
  while (!done || !done()) {
    const BOOL got = GetMessageW(&m, nullptr, 0, 0);
    if (got == 0) {
      if (done) PostQuitMessage(static_cast<int>(m.wParam));
      return;
    }
    if (got < 0) return;
    TMessage message{m.message, static_cast<std::intptr_t>(m.wParam), m.lParam, 0};
    if (Application->HookMessage(message)) continue;
    if (dialog != nullptr && IsDialogMessageW(dialog, &m)) continue;
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
}

}  // namespace classlib::win32

namespace classlib::backend {

using namespace classlib::win32;

void Initialize(int&, char**) {
  if (ApplicationHandle() != nullptr) return;
  // Screen readers ask for the controls' accessible objects through COM.
  ComReady() = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = ApplicationProcedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kApplicationClass;
  RegisterClassExW(&wc);
  // Zero size, in the middle of the screen: only its taskbar button shows.
  const int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
  ApplicationHandle() = CreateWindowExW(0, kApplicationClass, L"", WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                                        x, y, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void Finalize() {
  if (ApplicationHandle() != nullptr) DestroyWindow(ApplicationHandle());
  ApplicationHandle() = nullptr;
  for (HICON icon : Icons()) DestroyIcon(icon);
  Icons().clear();
  if (std::exchange(ComReady(), false)) CoUninitialize();
}

void RunLoop() {
  ShowWindow(ApplicationHandle(), SW_SHOWNOACTIVATE);
  RunMessageLoop(nullptr, nullptr);
}

void QuitLoop() { PostQuitMessage(0); }

void SetTitle(const TString& title) { SetWindowTextW(ApplicationHandle(), Wide(title).c_str()); }

void SetIcon(std::span<const platform::MaskedGlyph> sizes) {
  for (const platform::MaskedGlyph& size : sizes) {
    if (HICON icon = IconFrom(size)) Icons().push_back(icon);
  }
  if (Icons().empty()) return;
  // The smallest for the title bars, the largest for the taskbar.
  SendMessageW(ApplicationHandle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Icons().front()));
  SendMessageW(ApplicationHandle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Icons().back()));
}

// The program's windows are matched to its Start menu shortcut by the exe.
void SetDesktopEntry(const TString&) {}

// Windows' own dialogs speak the system's language.
bool SetToolkitLanguage(const TString&, const TString&) { return true; }

void MinimizeAll() {
  HWND app = ApplicationHandle();
  const TForm* main = Application->MainForm();
  const TRect r = main != nullptr ? main->FormPeer().OuterRect() : TRect{};
  SetForegroundWindow(app);
  SetWindowPos(app, nullptr, r.Left, r.Top, r.Width(), 0, SWP_NOZORDER);
  ShowWindow(app, SW_MINIMIZE);
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM) -> BOOL {
        if (hwnd != ApplicationHandle() && IsWindowVisible(hwnd) && GetWindow(hwnd, GW_OWNER) != nullptr) {
          ShowWindow(hwnd, SW_HIDE);
          HiddenWindows().push_back(hwnd);
        }
        return TRUE;
      },
      0);
}

void RestoreAll(TForm* first) {
  HWND app = ApplicationHandle();
  SetForegroundWindow(app);
  ShowWindow(app, SW_RESTORE);
  SetWindowPos(app, nullptr, 0, 0, 0, 0, SWP_NOZORDER);
  std::vector<HWND> hidden = std::exchange(HiddenWindows(), {});
  if (first != nullptr) {
    const HWND main = HandleOf(*first);
    std::erase(hidden, main);
    hidden.insert(hidden.begin(), main);
  }
  for (HWND hwnd : hidden) {
    if (IsWindow(hwnd)) ShowWindow(hwnd, SW_SHOWNA);
  }
  // A modal box comes up above the rest.
  for (auto it = hidden.rbegin(); it != hidden.rend(); ++it) {
    if (IsWindow(*it) && IsWindowEnabled(*it)) {
      SetForegroundWindow(*it);
      break;
    }
  }
}

TColor ButtonFace() { return FromColorRef(GetSysColor(COLOR_BTNFACE)); }

std::optional<TString> ChooseFile(const TString& title, const TString& filter, const TString& last) {
  // "description|pattern|..." with NUL in place of each "|", ending in two.
  std::wstring filters = Wide(filter);
  for (wchar_t& c : filters) {
    if (c == L'|') c = L'\0';
  }
  filters.push_back(L'\0');
  filters.push_back(L'\0');
  std::wstring file = Wide(last);
  file.resize(32768, L'\0');
  const std::wstring caption = Wide(title);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = GetActiveWindow();
  ofn.lpstrFilter = filters.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrTitle = caption.c_str();
  ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_EXPLORER | OFN_ENABLESIZING;
  if (!GetOpenFileNameW(&ofn)) return std::nullopt;
  return FromWide(file.c_str());
}

}  // namespace classlib::backend
