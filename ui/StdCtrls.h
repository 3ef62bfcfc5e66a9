#pragma once
// The system's list box, multi-line edit, group box and radio buttons, and the
// label, as the window descriptions use them.
#include <memory>

#include "ui/Controls.h"

namespace ui {

// A caption painted on its parent: opaque in the parent's colour, one line, left
// aligned, tabs expanded, an ampersand marking the next letter as an accelerator.
// It takes the size of its caption; its left and top edges stay as laid out.
class TLabel : public TGraphicControl {
 public:
  void Load(const Props& props, TForm& owner, TWinControl* parent) override;
  void Paint(HDC dc) override;
  RECT BoundsRect() const override;
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(std::wstring_view caption);

 protected:
  static constexpr UINT kTextFormat = DT_EXPANDTABS | DT_SINGLELINE | DT_LEFT;
  void AdjustBounds() override;
  // Room beside the text, added to the caption's width.
  virtual int Margin() const { return 0; }
  // Draws the caption over the filled rectangle.
  virtual void DrawCaption(HDC dc, const RECT& rc);

 private:
  std::wstring caption_;
  SIZE size_{};  // screen pixels, from the caption
};

class TListBox : public TWinControl {
 public:
  void Load(const Props& props, TForm& owner, TWinControl* parent) override;
  int ItemIndex() const;
  int Count() const;
  std::wstring Item(int index) const;
  bool CNCommand(WORD code, LRESULT& result) override;
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  // Type-ahead: the characters typed in quick succession pick the first entry
  // that starts with them; Backspace takes one back.
  void TypeAhead(wchar_t ch);
  std::wstring typed_;
  DWORD lastKeyTime_ = 0;
};

class TMemo : public TWinControl {
 public:
  void Load(const Props& props, TForm& owner, TWinControl* parent) override;
  void Clear();
  // Adds the line and a line break at the end of the text.
  void Append(std::wstring_view line);
  void SelectAll();
  std::wstring SelectedText() const;
  // Puts the selection on the clipboard as plain text (Unicode and ANSI).
  void CopyToClipboard();
  HBRUSH CNCtlColor(HDC dc) override;

 private:
  TColor color_ = clDefault;
  Brush brush_;
};

// A frame with a caption that paints its whole rectangle, background included.
class TGroupBox : public TWinControl {
 public:
  void Load(const Props& props, TForm& owner, TWinControl* parent) override;
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
};

class TRadioGroup;

class TRadioButton : public TWinControl {
 public:
  TRadioButton(TRadioGroup& group, int index) : group_(group), index_(index) {}
  void Create(const std::wstring& caption);
  void SetChecked(bool checked);
  bool CNCommand(WORD code, LRESULT& result) override;
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  TRadioGroup& group_;
  int index_;
};

// A group box of radio buttons in one column. Only the checked button is a tab
// stop; the arrow keys move to the next or previous button, round the ends, and
// check it. Checking another button raises OnClick.
class TRadioGroup : public TGroupBox {
 public:
  void Load(const Props& props, TForm& owner, TWinControl* parent) override;
  int ItemIndex() const { return itemIndex_; }
  // Sets the checked button without raising OnClick.
  void SetItemIndex(int index);
  TRadioButton& Button(int index) { return *buttons_.at(size_t(index)); }
  int Count() const { return int(buttons_.size()); }

 private:
  friend class TRadioButton;
  void UserChecked(int index);
  void Step(int from, int delta);
  std::vector<std::unique_ptr<TRadioButton>> buttons_;
  int itemIndex_ = -1;
};

}  // namespace ui
