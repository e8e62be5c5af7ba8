// Test helper, run under Wine next to the calendar: walks what a screen
// reader finds in a window through MSAA, as NVDA's object navigation does.
//   ombrelk_msaa_walk OUTPUT_FILE CAPTION
// Finds the calendar's window by its caption (waiting up to 20 s), takes its
// client area's object and writes one line per object, depth first:
// "role<TAB>name", the role as its MSAA number. A child that is a window of
// its own is read through that window's client object, as readers do.
// Written as UTF-8 to the file: Wine's console would mangle the Japanese.
// Exit status 1 when the window or its object is not found.

#include <windows.h>
// After windows.h, which they need.
#include <ole2.h>
#include <oleacc.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string Utf8(const wchar_t* text, int length) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
  return out;
}

void Line(IAccessible* acc, long id, std::string& out) {
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = id;
  VARIANT role;
  VariantInit(&role);
  BSTR name = nullptr;
  const bool has_role = SUCCEEDED(acc->get_accRole(child, &role)) && role.vt == VT_I4;
  acc->get_accName(child, &name);
  out += (has_role ? std::to_string(role.lVal) : "?") + "\t" +
         (name != nullptr ? Utf8(name, static_cast<int>(SysStringLen(name))) : "") + "\n";
  SysFreeString(name);
  VariantClear(&role);
}

void Walk(IAccessible* acc, HWND window, std::string& out) {
  Line(acc, CHILDID_SELF, out);
  long count = 0;
  if (FAILED(acc->get_accChildCount(&count)) || count <= 0) return;
  std::vector<VARIANT> children(static_cast<std::size_t>(count));
  long got = 0;
  if (FAILED(AccessibleChildren(acc, 0, count, children.data(), &got))) return;
  for (long i = 0; i < got; ++i) {
    VARIANT& child = children[static_cast<std::size_t>(i)];
    if (child.vt == VT_I4) {
      Line(acc, child.lVal, out);
    } else if (child.vt == VT_DISPATCH && child.pdispVal != nullptr) {
      IAccessible* sub = nullptr;
      child.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&sub));
      HWND own = nullptr;
      IAccessible* client = nullptr;
      if (sub != nullptr && SUCCEEDED(WindowFromAccessibleObject(sub, &own)) && own != nullptr &&
          own != window &&
          SUCCEEDED(AccessibleObjectFromWindow(own, static_cast<DWORD>(OBJID_CLIENT),
                                               __uuidof(IAccessible),
                                               reinterpret_cast<void**>(&client)))) {
        Walk(client, own, out);
        client->Release();
      } else if (sub != nullptr) {
        Walk(sub, window, out);
      }
      if (sub != nullptr) sub->Release();
    }
    VariantClear(&child);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: ombrelk_msaa_walk OUTPUT_FILE CAPTION\n");
    return 2;
  }
  // The arguments come in the system's code page (932 on a Japanese Windows).
  std::wstring caption(static_cast<std::size_t>(std::strlen(argv[2])) + 1, L'\0');
  caption.resize(static_cast<std::size_t>(MultiByteToWideChar(
                     CP_ACP, 0, argv[2], -1, caption.data(), static_cast<int>(caption.size()))) -
                 1);
  HWND window = nullptr;
  for (int tries = 0; tries < 200 && window == nullptr; ++tries) {
    window = FindWindowW(L"OmbrelkForm", caption.c_str());
    if (window == nullptr) Sleep(100);
  }
  if (window == nullptr) {
    std::fprintf(stderr, "no window captioned %s\n", argv[2]);
    return 1;
  }
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IAccessible* acc = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                        __uuidof(IAccessible), reinterpret_cast<void**>(&acc))) ||
      acc == nullptr) {
    std::fprintf(stderr, "the window gives no accessible object\n");
    return 1;
  }
  std::string out;
  Walk(acc, window, out);
  acc->Release();
  CoUninitialize();
  FILE* file = std::fopen(argv[1], "wb");
  if (file == nullptr) return 1;
  std::fwrite(out.data(), 1, out.size(), file);
  std::fclose(file);
  return 0;
}
