#include "forms/AboutUnit.h"

#include <algorithm>
#include <array>
#include <string>

#include "resources/ResourceIds.h"
#include "ui/Shell.h"

using namespace ui;

TAboutBox* AboutBox = nullptr;

namespace {

using F = TAboutBox;

// The label shows a shortened form of it.
constexpr wchar_t HomePage[] = L"http://tabulon.example.org/download/";

const FontDesc MailFont{.underline = true, .color = clBlue, .charset = RUSSIAN_CHARSET};
const FontDesc WebFont{.underline = true, .color = clBlue};
const FontDesc NameFont{
    .name = "Arial", .height = 16, .bold = true, .color = clBlue, .charset = RUSSIAN_CHARSET};

const Entry<F> AboutControls[] = {
    {Field<&F::Bevel1>, {.name = "Bevel1", .bounds = {120, 16, 185, 129}}},
    {Field<&F::Image1>, {.name = "Image1", .bounds = {8, 24, 105, 97}, .glyph = IDB_PICTURE}},
    {Field<&F::Label4>,
     {.name = "Label4", .bounds = {168, 96, 107, 13}, .text = "tabulon@example.org",
      .hint = "Send notice and proposals...", .showHint = true, .cursor = TCursor::crHandPoint,
      .font = &MailFont},
     &F::Label4Click},
    {Field<&F::Label5>,
     {.name = "Label5", .bounds = {160, 120, 137, 13}, .text = "http://tabulon.example.org/...",
      .hint = "Here's new program's versions...", .showHint = true,
      .cursor = TCursor::crHandPoint, .font = &WebFont},
     &F::Label5Click},
    {Field<&F::RxLabel1>, {.name = "RxLabel1", .bounds = {128, 48, 61, 13}, .text = "Version 1.14"}},
    {Field<&F::RxLabel2>,
     {.name = "RxLabel2", .bounds = {128, 72, 151, 13}, .text = "(C) 2026 The Tabulon authors"}},
    {Field<&F::RxLabel3>, {.name = "RxLabel3", .bounds = {128, 96, 33, 13}, .text = "E-mail:"}},
    {Field<&F::RxLabel4>, {.name = "RxLabel4", .bounds = {128, 120, 28, 13}, .text = "Web:"}},
    {Field<&F::RxLabel5>,
     {.name = "RxLabel5", .bounds = {128, 24, 52, 19}, .text = "Tabulon", .font = &NameFont}},
    {Field<&F::BitBtn1>,
     {.name = "BitBtn1", .bounds = {119, 162, 75, 25}, .tabOrder = 0, .kind = TBitBtnKind::bkOK}},
};

const FormDescription<F> AboutDescription{
    .form = {.className = L"TAboutBox", .caption = "About...", .left = 286, .top = 144,
             .clientWidth = 312, .clientHeight = 198, .border = TFormBorderStyle::bsDialog,
             .borderIcons = biSystemMenu},
    .controls = AboutControls,
};

// The shell gets a target through a buffer of 128 characters with its ending
// zero; a target that would not fit is not sent at all rather than cut short.
void OpenTarget(std::wstring_view target) {
  std::array<wchar_t, 128> buffer{};
  if (target.size() >= buffer.size()) return;
  std::copy(target.begin(), target.end(), buffer.begin());
  // The request is the main window's: this one is hidden once it closes.
  TForm* main = Application ? Application->MainForm() : nullptr;
  shell::Open(main ? main->Handle() : nullptr, std::wstring_view(buffer.data(), target.size()));
}

}  // namespace

TAboutBox::TAboutBox() { LoadDescription(*this, AboutDescription); }

void TAboutBox::Label4Click(TObject*) { OpenTarget(L"mailto:" + Label4.Caption()); }

void TAboutBox::Label5Click(TObject*) { OpenTarget(HomePage); }
