// form_win32.cpp: a form as a Win32 top-level window: owned by the
// application's hidden window (the main form) or by its owner form, its
// menu in the frame, its modal loop, closing, and the system commands it
// dispatches before the system acts on them.
#include <windows.h>

#include <utility>
#include <vector>

#include "classlib/application.h"
#include "classlib/form.h"
#include "classlib/modal.h"
#include "classlib/win32/font_win32.h"
#include "classlib/win32/loop_win32.h"
#include "classlib/win32/menus_win32.h"
#include "classlib/win32/window_win32.h"

namespace classlib::win32 {
namespace {

constexpr DWORD kSizeableStyle = WS_OVERLAPPEDWINDOW;
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN;

class FormPeer : public Windowed<TFormPeer> {
 public:
  FormPeer(TForm& form, TForm* owner) : Windowed(form), form_(form) {
    Create(0, kSizeableStyle, owner != nullptr ? HandleOf(*owner) : ApplicationWindow(), {0, 0, 100, 100});
  }

  TRect Bounds() const override {
    RECT r{};
    GetClientRect(Handle(), &r);
    return {0, 0, r.right, r.bottom};
  }
  TRect OuterRect() const override {
    RECT r{};
    GetWindowRect(Handle(), &r);
    return {r.left, r.top, r.right, r.bottom};
  }
  void MoveTo(int left, int top) override {
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  void SetClientSize(int width, int height, bool) override {
    // The menu bar may wrap: the client area is measured again and the
    // difference made up.
    for (int round = 0; round < 2; ++round) {
      RECT outer{}, client{};
      GetWindowRect(Handle(), &outer);
      GetClientRect(Handle(), &client);
      const int w = outer.right - outer.left + width - client.right;
      const int h = outer.bottom - outer.top + height - client.bottom;
      SetWindowPos(Handle(), nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  TString Caption() const override {
    wchar_t text[512] = {};
    GetWindowTextW(Handle(), text, 512);
    return FromWide(text);
  }
  void SetCaption(const TString& caption) override { SetWindowTextW(Handle(), Wide(caption).c_str()); }
  void SetFont(const TFont& font) override { SetOwnFont(FontHandle(font)); }
  void SetDialogFrame() override {
    const LONG_PTR shown = GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_VISIBLE;
    SetWindowLongPtrW(Handle(), GWL_STYLE, kDialogStyle | shown);
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, WS_EX_DLGMODALFRAME);
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  void SetMenu(TMenuPeer& bar) override {
    RECT client{};
    GetClientRect(Handle(), &client);
    ::SetMenu(Handle(), ShowMenuIn(bar, Handle()));
    SetClientSize(client.right, client.bottom, false);
  }
  void Show() override {
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
  }
  void RunModal() override {
    // Every other window of the program takes no input while the form is up.
    std::vector<HWND> disabled;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM list) -> BOOL {
          auto* windows = reinterpret_cast<std::vector<HWND>*>(list);
          if (IsWindowEnabled(hwnd) && IsWindowVisible(hwnd)) windows->push_back(hwnd);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&disabled));
    for (HWND hwnd : disabled) EnableWindow(hwnd, FALSE);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    FocusDefaultButton();
    // The loop ends once the form has a modal result.
    RunMessageLoop(Handle(), [this] { return form_.ModalResult() != mrNone; });
    // The others take input again before this one goes, so that the
    // activation returns to them.
    for (HWND hwnd : disabled) {
      if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
    }
    ShowWindow(Handle(), SW_HIDE);
  }
  // The result is set: the loop only needs waking to see it.
  void EndModal() override { PostMessageW(Handle(), WM_NULL, 0, 0); }
  void Close() override { SendMessageW(Handle(), WM_CLOSE, 0, 0); }
  void DeleteLater(std::function<void()> destroy) override {
    release_ = std::move(destroy);
    PostMessageW(Handle(), WM_TESSRA_RELEASE, 0, 0);
  }

  void PaintBackground(::HDC dc, const TRect& client) override {
    const RECT r{client.Left, client.Top, client.Right, client.Bottom};
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  }

  LRESULT Message(UINT msg, WPARAM wParam, LPARAM lParam) override {
    switch (msg) {
      case WM_CLOSE:
        if (form_.CloseQuery()) ShowWindow(Handle(), SW_HIDE);
        return 0;
      case WM_SYSCOMMAND: {
        // The form sees the command first; a result of its own stops it.
        TMessage message{WM_SYSCOMMAND, static_cast<std::intptr_t>(wParam), lParam, 0};
        form_.Dispatch(message);
        if (message.Result != 0) return 0;
        return Default(msg, wParam, lParam);
      }
      case WM_COMMAND:
        if (lParam == 0) {
          const UINT id = LOWORD(wParam);
          if (HIWORD(wParam) == 0 && ChooseCommand(id)) return 0;
          // Enter in the form presses its default button; Escape does
          // nothing, as the form has no cancel button.
          if (id == IDOK) {
            if (HWND button = DefaultButton()) SendMessageW(button, BM_CLICK, 0, 0);
          }
          return 0;
        }
        break;
      case DM_GETDEFID:
        if (HWND button = DefaultButton()) return MAKELRESULT(GetDlgCtrlID(button), DC_HASDEFID);
        return 0;
      case WM_TESSRA_RELEASE: {
        const std::function<void()> release = std::exchange(release_, nullptr);
        if (release) release();  // this peer is gone after it
        return 0;
      }
      default:
        break;
    }
    return WindowPeer::Message(msg, wParam, lParam);
  }

 private:
  // The default push button among the form's windows, shown and enabled.
  HWND DefaultButton() const {
    HWND found = nullptr;
    EnumChildWindows(
        Handle(),
        [](HWND hwnd, LPARAM result) -> BOOL {
          const LRESULT code = SendMessageW(hwnd, WM_GETDLGCODE, 0, 0);
          if ((code & DLGC_DEFPUSHBUTTON) != 0 && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
            *reinterpret_cast<HWND*>(result) = hwnd;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
  }
  void FocusDefaultButton() {
    if (HWND button = DefaultButton()) ::SetFocus(button);
  }

  TForm& form_;
  std::function<void()> release_;
};

}  // namespace
}  // namespace classlib::win32

namespace classlib::backend {

std::unique_ptr<TFormPeer> CreatePeer(TForm& form, TForm* owner) {
  return std::make_unique<win32::FormPeer>(form, owner);
}

}  // namespace classlib::backend
