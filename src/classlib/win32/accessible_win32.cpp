// accessible_win32.cpp: IAccessible for draw grids and for the controls a
// window paints. Each object finds its control again through its window at
// every call, so a screen reader that keeps it after the window has gone
// gets an error, never a dangling control.
#include <windows.h>

#include <oleacc.h>

#include <string>
#include <vector>

#include "classlib/image.h"
#include "classlib/speedbutton.h"
#include "classlib/stdctrls.h"
#include "classlib/win32/accessible_win32.h"
#include "classlib/win32/grid_win32.h"
#include "classlib/win32/window_win32.h"

namespace classlib::win32 {
namespace {

// Defined here: MinGW's import library gives a thunk in its place, with
// which QueryInterface would answer E_NOINTERFACE.
constexpr GUID kIAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
constexpr GUID kIDispatch = {0x00020400, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID kIUnknown = {0x00000000, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// The default action's name, what a double-click (or a press) does.
constexpr wchar_t kPress[] = L"押す";

HRESULT Text(const TString& text, BSTR* out) {
  if (out == nullptr) return E_INVALIDARG;
  *out = nullptr;
  if (text.IsEmpty()) return S_FALSE;
  const std::wstring wide = Wide(text);
  *out = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT Integer(long value, VARIANT* out) {
  VariantInit(out);
  out->vt = VT_I4;
  out->lVal = value;
  return S_OK;
}

bool IsChildId(const VARIANT& child) { return child.vt == VT_I4; }

// What the COM side of both objects shares.
class Accessible : public IAccessible {
 public:
  explicit Accessible(HWND hwnd) : hwnd_(hwnd) {}
  virtual ~Accessible() = default;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (IsEqualGUID(riid, kIUnknown) || IsEqualGUID(riid, kIDispatch) || IsEqualGUID(riid, kIAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!IsWindow(hwnd_)) return E_FAIL;
    return AccessibleObjectFromWindow(hwnd_, static_cast<DWORD>(OBJID_WINDOW), kIDispatch,
                                      reinterpret_cast<void**>(parent));
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
    *child = nullptr;
    return S_FALSE;  // the children are simple elements
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override {
    *value = nullptr;
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override {
    *help = nullptr;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long*) override {
    *file = nullptr;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* keys) override {
    *keys = nullptr;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* end) override {
    VariantInit(end);
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override { return S_FALSE; }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 protected:
  // The window's peer, while the window is there.
  WindowPeer* Peer() const {
    if (!IsWindow(hwnd_)) return nullptr;
    return reinterpret_cast<WindowPeer*>(GetWindowLongPtrW(hwnd_, GWLP_USERDATA));
  }
  HWND Window() const { return hwnd_; }
  // A rectangle of the client area, on the screen.
  HRESULT Location(const TRect& r, long* x, long* y, long* w, long* h) const {
    POINT origin{r.Left, r.Top};
    ClientToScreen(hwnd_, &origin);
    *x = origin.x;
    *y = origin.y;
    *w = r.Width();
    *h = r.Height();
    return S_OK;
  }
  HRESULT WindowLocation(long* x, long* y, long* w, long* h) const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    *x = r.left;
    *y = r.top;
    *w = r.right - r.left;
    *h = r.bottom - r.top;
    return S_OK;
  }

 private:
  HWND hwnd_;
  LONG references_ = 1;
};

class GridAccessible : public Accessible {
 public:
  using Accessible::Accessible;

  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    TDrawGrid* grid = Grid();
    if (grid == nullptr) return E_FAIL;
    *count = grid->ColCount() * grid->RowCount();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    TDrawGrid* grid = Grid();
    if (grid == nullptr || !IsChildId(child)) return E_FAIL;
    if (child.lVal == CHILDID_SELF) return Text(GridPeerOf()->AccessibleName(), name);
    int col = 0, row = 0;
    if (!Cell(child, &col, &row)) return E_INVALIDARG;
    return Text(grid->CellName(col, row), name);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    TDrawGrid* grid = Grid();
    if (grid == nullptr || !IsChildId(child)) return E_FAIL;
    if (child.lVal == CHILDID_SELF) return Text(grid->Description(), description);
    int col = 0, row = 0;
    if (!Cell(child, &col, &row)) return E_INVALIDARG;
    return Text(grid->CellDescription(col, row), description);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (Grid() == nullptr || !IsChildId(child)) return E_FAIL;
    return Integer(child.lVal == CHILDID_SELF ? ROLE_SYSTEM_TABLE : ROLE_SYSTEM_CELL, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    TDrawGrid* grid = Grid();
    if (grid == nullptr || !IsChildId(child)) return E_FAIL;
    long flags = STATE_SYSTEM_FOCUSABLE;
    if (!grid->Enabled()) flags |= STATE_SYSTEM_UNAVAILABLE;
    if (child.lVal == CHILDID_SELF) {
      if (grid->Focused()) flags |= STATE_SYSTEM_FOCUSED;
      return Integer(flags, state);
    }
    int col = 0, row = 0;
    if (!Cell(child, &col, &row)) return E_INVALIDARG;
    flags |= STATE_SYSTEM_SELECTABLE;
    if (col == grid->Col() && row == grid->Row()) {
      flags |= STATE_SYSTEM_SELECTED;
      if (grid->Focused()) flags |= STATE_SYSTEM_FOCUSED;
    }
    if (grid->CellRect(col, row).IsEmpty()) flags |= STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
    return Integer(flags, state);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    TDrawGrid* grid = Grid();
    if (grid == nullptr) return E_FAIL;
    VariantInit(focus);
    if (!grid->Focused()) return S_FALSE;
    return Integer(CurrentId(*grid), focus);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    TDrawGrid* grid = Grid();
    if (grid == nullptr) return E_FAIL;
    return Integer(CurrentId(*grid), selection);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    TDrawGrid* grid = Grid();
    if (grid == nullptr || !IsChildId(child)) return E_FAIL;
    *action = nullptr;
    if (child.lVal == CHILDID_SELF || !grid->Enabled() || !grid->OnDblClick) return S_FALSE;
    *action = SysAllocString(kPress);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* w, long* h, VARIANT child) override {
    TDrawGrid* grid = Grid();
    if (grid == nullptr || !IsChildId(child)) return E_FAIL;
    if (child.lVal == CHILDID_SELF) return WindowLocation(x, y, w, h);
    int col = 0, row = 0;
    if (!Cell(child, &col, &row)) return E_INVALIDARG;
    TRect r = grid->CellRect(col, row);
    r.Right = std::min(r.Right, grid->ClientWidth());
    r.Bottom = std::min(r.Bottom, grid->ClientHeight());
    return Location(r, x, y, w, h);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
    TDrawGrid* grid = Grid();
    if (grid == nullptr) return E_FAIL;
    POINT at{x, y};
    ScreenToClient(Window(), &at);
    const std::optional<TPoint> cell = grid->CellAt(at.x, at.y);
    return Integer(cell ? cell->Y * grid->ColCount() + cell->X + 1 : CHILDID_SELF, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    TDrawGrid* grid = Grid();
    if (grid == nullptr || !IsChildId(child)) return E_FAIL;
    int col = 0, row = 0;
    if (child.lVal == CHILDID_SELF || !Cell(child, &col, &row)) return DISP_E_MEMBERNOTFOUND;
    grid->ActivateCell(col, row);
    return S_OK;
  }

 private:
  GridPeer* GridPeerOf() const { return dynamic_cast<GridPeer*>(Peer()); }
  TDrawGrid* Grid() const {
    GridPeer* peer = GridPeerOf();
    return peer != nullptr ? &peer->Grid() : nullptr;
  }
  static long CurrentId(const TDrawGrid& grid) { return grid.Row() * grid.ColCount() + grid.Col() + 1; }
  bool Cell(const VARIANT& child, int* col, int* row) const {
    TDrawGrid* grid = Grid();
    const long index = child.lVal - 1;
    if (grid == nullptr || index < 0 || index >= grid->ColCount() * grid->RowCount()) return false;
    *col = static_cast<int>(index % grid->ColCount());
    *row = static_cast<int>(index / grid->ColCount());
    return true;
  }
};

// A window's client, whose children are the controls it paints.
class ContainerAccessible : public Accessible {
 public:
  using Accessible::Accessible;

  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    if (Peer() == nullptr) return E_FAIL;
    *count = static_cast<long>(Children().size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!IsChildId(child)) return E_FAIL;
    if (child.lVal == CHILDID_SELF) return Text({}, name);
    GraphicPeer* g = Child(child);
    if (g == nullptr) return E_INVALIDARG;
    if (auto* label = dynamic_cast<TLabel*>(&g->Control())) return Text(label->Caption(), name);
    return Text(g->Name(), name);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* description) override {
    *description = nullptr;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!IsChildId(child)) return E_FAIL;
    if (child.lVal == CHILDID_SELF) return Integer(ROLE_SYSTEM_CLIENT, role);
    GraphicPeer* g = Child(child);
    if (g == nullptr) return E_INVALIDARG;
    if (dynamic_cast<TSpeedButton*>(&g->Control()) != nullptr) return Integer(ROLE_SYSTEM_PUSHBUTTON, role);
    if (dynamic_cast<TLabel*>(&g->Control()) != nullptr) return Integer(ROLE_SYSTEM_STATICTEXT, role);
    return Integer(ROLE_SYSTEM_GRAPHIC, role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!IsChildId(child)) return E_FAIL;
    if (child.lVal == CHILDID_SELF) return Integer(0, state);
    GraphicPeer* g = Child(child);
    if (g == nullptr) return E_INVALIDARG;
    return Integer(g->IsEnabled() ? 0 : STATE_SYSTEM_UNAVAILABLE, state);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    VariantInit(focus);
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    VariantInit(selection);
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    *action = nullptr;
    GraphicPeer* g = IsChildId(child) ? Child(child) : nullptr;
    if (g == nullptr || dynamic_cast<TSpeedButton*>(&g->Control()) == nullptr || !g->IsEnabled()) return S_FALSE;
    *action = SysAllocString(kPress);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* w, long* h, VARIANT child) override {
    if (!IsChildId(child) || Peer() == nullptr) return E_FAIL;
    if (child.lVal == CHILDID_SELF) return WindowLocation(x, y, w, h);
    GraphicPeer* g = Child(child);
    if (g == nullptr) return E_INVALIDARG;
    return Location(g->Place(), x, y, w, h);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
    if (Peer() == nullptr) return E_FAIL;
    POINT at{x, y};
    ScreenToClient(Window(), &at);
    const std::vector<GraphicPeer*> children = Children();
    for (std::size_t i = children.size(); i-- > 0;) {
      if (children[i]->Place().Contains(at.x, at.y)) return Integer(static_cast<long>(i) + 1, child);
    }
    return Integer(CHILDID_SELF, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    GraphicPeer* g = IsChildId(child) ? Child(child) : nullptr;
    auto* button = g != nullptr ? dynamic_cast<TSpeedButton*>(&g->Control()) : nullptr;
    if (button == nullptr) return DISP_E_MEMBERNOTFOUND;
    button->Click();
    return S_OK;
  }

 private:
  std::vector<GraphicPeer*> Children() const {
    const WindowPeer* peer = Peer();
    return peer != nullptr ? peer->GraphicChildren() : std::vector<GraphicPeer*>{};
  }
  GraphicPeer* Child(const VARIANT& child) const {
    const std::vector<GraphicPeer*> children = Children();
    const long index = child.lVal - 1;
    if (index < 0 || index >= static_cast<long>(children.size())) return nullptr;
    return children[static_cast<std::size_t>(index)];
  }
};

LRESULT Answer(Accessible* object, WPARAM wParam) {
  const LRESULT result = LresultFromObject(kIAccessible, wParam, object);
  object->Release();
  return result;
}

}  // namespace

LRESULT AnswerGridObject(GridPeer& grid, WPARAM wParam) { return Answer(new GridAccessible(grid.Handle()), wParam); }

LRESULT AnswerContainerObject(WindowPeer& window, WPARAM wParam) {
  return Answer(new ContainerAccessible(window.Handle()), wParam);
}

}  // namespace classlib::win32
