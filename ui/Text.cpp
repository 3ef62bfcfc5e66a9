#include "ui/Text.h"

#include <windows.h>

namespace ui {

std::wstring Widen(std::string_view utf8) {
  if (utf8.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
  std::wstring out(size_t(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), out.data(), n);
  return out;
}

std::string ToCodePage(std::wstring_view text, unsigned codePage) {
  if (text.empty()) return {};
  int n = WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size_t(n), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::string ToUtf8(std::wstring_view text) { return ToCodePage(text, CP_UTF8); }

}  // namespace ui
