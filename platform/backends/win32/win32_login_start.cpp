#include "platform/backends/win32/win32_login_start.h"

#include "platform/backends/win32/win32_api.h"
// After windows.h, which they need.
#include <knownfolders.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <array>
#include <cstdio>

#include "platform/backends/win32/win32_text.h"
#include "platform/services/failure_reasons.h"

namespace ombrelk {

namespace {

constexpr const wchar_t* kLinkName = L"\\Ombrelk.lnk";

// The shortcut's full path; empty when the shell knows no Startup folder.
std::wstring LinkPath() {
  PWSTR folder = nullptr;
  std::wstring path;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Startup, KF_FLAG_CREATE, nullptr, &folder))) {
    path = std::wstring(folder) + kLinkName;
  }
  CoTaskMemFree(folder);
  return path;
}

std::wstring ModuleFile() {
  std::wstring buf(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n < buf.size()) return buf.substr(0, n);
    buf.resize(buf.size() * 2);
  }
}

// The common reasons in the user's words, any other in the system's (in the
// system's language).
std::string ReasonText(HRESULT hr) {
  if (hr == E_ACCESSDENIED) return std::string(CommonReasonText(EACCES));
  if (hr == HRESULT_FROM_WIN32(ERROR_DISK_FULL) || hr == STG_E_MEDIUMFULL) {
    return std::string(CommonReasonText(ENOSPC));
  }
  if (hr == HRESULT_FROM_WIN32(ERROR_WRITE_PROTECT)) return std::string(CommonReasonText(EROFS));
  PWSTR text = nullptr;
  const DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<PWSTR>(&text), 0, nullptr);
  std::string reason;
  if (n > 0) {
    reason = Utf8(std::wstring_view(text, n));
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r')) reason.pop_back();
  } else {
    std::array<char, 32> code{};
    std::snprintf(code.data(), code.size(), "エラー 0x%08lX", static_cast<unsigned long>(hr));
    reason = code.data();
  }
  LocalFree(text);
  return reason;
}

// The shell's link object, through COM on this (the window's) thread.
HRESULT SaveLink(const std::wstring& link, const std::wstring& target, const std::wstring& dir) {
  const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IShellLinkW* shell_link = nullptr;
  HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shell_link));
  if (SUCCEEDED(hr)) hr = shell_link->SetPath(target.c_str());
  if (SUCCEEDED(hr)) hr = shell_link->SetWorkingDirectory(dir.c_str());
  if (SUCCEEDED(hr)) hr = shell_link->SetDescription(L"Ombrelk");
  IPersistFile* file = nullptr;
  if (SUCCEEDED(hr)) {
    hr = shell_link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  }
  if (SUCCEEDED(hr)) hr = file->Save(link.c_str(), TRUE);
  if (file != nullptr) file->Release();
  if (shell_link != nullptr) shell_link->Release();
  if (SUCCEEDED(init)) CoUninitialize();
  return hr;
}

}  // namespace

Win32LoginStart::Win32LoginStart() {
  std::wstring buf(MAX_PATH, L'\0');
  DWORD n = GetCurrentDirectoryW(static_cast<DWORD>(buf.size()), buf.data());
  if (n >= buf.size()) {
    buf.resize(n);
    n = GetCurrentDirectoryW(static_cast<DWORD>(buf.size()), buf.data());
  }
  working_dir_ = buf.substr(0, n);
}

bool Win32LoginStart::IsOn() {
  const std::wstring link = LinkPath();
  return !link.empty() && GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::string> Win32LoginStart::SetOn(bool on) {
  const std::wstring link = LinkPath();
  if (link.empty()) return std::string("(スタートアップ)\nスタートアップ フォルダーがありません。");
  HRESULT hr = S_OK;
  if (on) {
    hr = SaveLink(link, ModuleFile(), working_dir_);
  } else if (DeleteFileW(link.c_str()) == 0 && GetLastError() != ERROR_FILE_NOT_FOUND) {
    hr = HRESULT_FROM_WIN32(GetLastError());
  }
  if (SUCCEEDED(hr)) return std::nullopt;
  return Utf8(link) + "\n" + ReasonText(hr);
}

}  // namespace ombrelk
