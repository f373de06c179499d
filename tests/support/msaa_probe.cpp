// msaa_probe.cpp: reads a window's accessible object from another process,
// as a screen reader does, and writes what it read into a file in UTF-8,
// one line each: the object's name, its number of children, then each
// child's name.
// Usage: msaa_probe HWND OUTPUT    (HWND in decimal)
// Exit codes: 0 read, 2 no accessible object, 3 wrong usage.
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr GUID kIAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

std::string Utf8(BSTR text) {
  if (text == nullptr) return {};
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(bytes > 0 ? bytes - 1 : 0), '\0');
  if (bytes > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), bytes, nullptr, nullptr);
  SysFreeString(text);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 3;
  auto* hwnd = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(std::strtoull(argv[1], nullptr, 10)));
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), kIAccessible,
                                        reinterpret_cast<void**>(&object))) ||
      object == nullptr) {
    return 2;
  }
  std::FILE* out = std::fopen(argv[2], "wb");
  if (out == nullptr) return 3;
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  object->get_accName(child, &name);
  std::fprintf(out, "%s\n", Utf8(name).c_str());
  long count = 0;
  object->get_accChildCount(&count);
  std::fprintf(out, "%ld\n", count);
  for (long i = 1; i <= count; ++i) {
    child.lVal = i;
    name = nullptr;
    object->get_accName(child, &name);
    std::fprintf(out, "%s\n", Utf8(name).c_str());
  }
  std::fclose(out);
  object->Release();
  CoUninitialize();
  return 0;
}
