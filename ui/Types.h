#pragma once
// The vocabulary of window descriptions: places, colours, fonts, cursors and the
// settings a description line can carry.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <span>

namespace ui {

class TObject {
 public:
  virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* sender)>;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using TShiftState = unsigned;  // MK_* bits of the mouse message
using TMouseEvent = std::function<void(TObject*, TMouseButton, TShiftState, int x, int y)>;

// Pixels at 96 dpi with a 13-pixel text height; scaled when the window is made.
struct Bounds {
  int left = 0, top = 0, width = 0, height = 0;
};

// A colour: an RGB value, or a system colour role (the high bit set).
using TColor = std::uint32_t;
constexpr TColor SysColor(int index) { return 0x80000000u | unsigned(index); }
constexpr TColor clDefault = 0xFFFFFFFFu;
constexpr TColor clBtnFace = SysColor(COLOR_BTNFACE);
constexpr TColor clBtnHighlight = SysColor(COLOR_BTNHIGHLIGHT);
constexpr TColor clBtnShadow = SysColor(COLOR_BTNSHADOW);
constexpr TColor clInfoBk = SysColor(COLOR_INFOBK);
constexpr TColor clMenu = SysColor(COLOR_MENU);
constexpr TColor clWindowText = SysColor(COLOR_WINDOWTEXT);
constexpr TColor clBlue = RGB(0, 0, 255);
COLORREF ColorToRGB(TColor c);

struct FontDesc {
  const char* name = "MS Sans Serif";
  int height = 11;  // pixels at 96 dpi
  bool bold = false;
  bool underline = false;
  TColor color = clWindowText;
  BYTE charset = DEFAULT_CHARSET;
};

enum class TCursor { crDefault, crHelp, crHandPoint };
enum class TAlign { alNone, alClient };
enum class TAlignment { taLeftJustify, taCenter };
enum class TBorderStyle { bsNone, bsSingle };
enum class TBitBtnKind { bkCustom, bkOK };

// One control's settings as a window description gives them. Only what a kind of
// control understands is read; the rest keeps its default.
struct Props {
  const char* name = nullptr;
  const char* parent = nullptr;  // the parent's name (a menu item's: its menu); nullptr: the form
  Bounds bounds{};
  const char* text = nullptr;                // caption or text, UTF-8
  std::span<const char* const> lines = {};   // list entries, radio items, text lines
  int tabOrder = 0;
  bool visible = true;
  bool enabled = true;
  const char* hint = nullptr;
  bool showHint = false;
  TCursor cursor = TCursor::crDefault;
  const FontDesc* font = nullptr;  // nullptr: the form's font
  TColor color = clDefault;
  TAlign align = TAlign::alNone;
  TAlignment alignment = TAlignment::taLeftJustify;
  TBorderStyle border = TBorderStyle::bsSingle;
  bool readOnly = false;
  bool wordWrap = true;
  int glyph = 0;       // bitmap resource id
  int numGlyphs = 1;   // images side by side in the glyph
  TBitBtnKind kind = TBitBtnKind::bkCustom;
  // Components that are not controls: the tray icon, popup menus, image lists.
  int icon = 0;                        // a tray icon's icon resource id
  const char* popupMenu = nullptr;     // a tray icon's menu, by name
  const char* images = nullptr;        // a popup menu's image list, by name
  std::span<const int> bitmaps = {};   // an image list's bitmap resource ids
  int imageIndex = -1;                 // a menu item's image in its menu's list
  bool isDefault = false;              // a menu's default item, drawn in bold
};

enum class TFormBorderStyle { bsSingle, bsDialog };
enum : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };

struct FormProps {
  const wchar_t* className = nullptr;  // window class, also how other programs find the window
  const char* caption = nullptr;
  int left = 0, top = 0;               // outer top-left corner on the screen
  int clientWidth = 0, clientHeight = 0;
  TFormBorderStyle border = TFormBorderStyle::bsSingle;
  unsigned borderIcons = biSystemMenu | biMinimize;
  bool stayOnTop = false;
  int icon = 0;  // icon resource id; 0: none
};

enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2 };

}  // namespace ui
