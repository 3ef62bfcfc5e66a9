#include "ui/Clipboard.h"

#include <cstring>
#include <stdexcept>
#include <string>

#include "ui/Text.h"

namespace ui::clipboard {

namespace {

class OpenClipboardScope {
 public:
  explicit OpenClipboardScope(HWND owner) {
    for (int attempt = 0; attempt < 20; ++attempt) {
      if (OpenClipboard(owner)) {
        open_ = true;
        return;
      }
      Sleep(25);
    }
    throw std::runtime_error("Cannot open clipboard");
  }
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;

 private:
  bool open_ = false;
};

void Put(UINT format, const void* data, size_t bytes) {
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!mem) throw std::runtime_error("Not enough memory for the clipboard");
  std::memcpy(GlobalLock(mem), data, bytes);
  GlobalUnlock(mem);
  if (!SetClipboardData(format, mem)) {
    GlobalFree(mem);
    throw std::runtime_error("Cannot put text on the clipboard");
  }
}

}  // namespace

void SetText(HWND owner, std::wstring_view text) {
  std::wstring wide(text);
  std::string ansi = ToCodePage(text, CP_ACP);
  OpenClipboardScope scope(owner);
  if (!EmptyClipboard()) throw std::runtime_error("Cannot empty the clipboard");
  Put(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  Put(CF_TEXT, ansi.c_str(), ansi.size() + 1);
}

}  // namespace ui::clipboard
