#include "forms/MainUnit.h"

#include "data/Catalogue.h"
#include "forms/AboutUnit.h"
#include "resources/ResourceIds.h"
#include "ui/Shell.h"

using namespace ui;

TMainForm* MainForm = nullptr;
std::optional<std::wstring> WindowsDirectory;

namespace {

using F = TMainForm;

const FontDesc CyrillicFont{.charset = RUSSIAN_CHARSET};
const FontDesc BoldFont{.bold = true};

constexpr Bounds ListPlace{8, 152, 377, 89};

const Entry<F> MainControls[] = {
    {Field<&F::PageControl1>, {.name = "PageControl1", .tabOrder = 0, .align = TAlign::alClient}},
    {Field<&F::Sheet1>, {.name = "Sheet1", .parent = "PageControl1", .text = "Physical constants"}},
    // The constants page; later controls lie above earlier ones.
    {Field<&F::Bevel1>, {.name = "Bevel1", .parent = "Sheet1", .bounds = {224, 8, 129, 113}}},
    {Field<&F::Image1>,
     {.name = "Image1", .parent = "Sheet1", .bounds = {232, 16, 113, 97}, .glyph = IDB_PICTURE}},
    {Field<&F::MolBox>,
     {.name = "MolBox", .parent = "Sheet1", .bounds = ListPlace, .lines = data::MolecularEntries,
      .tabOrder = 0, .visible = false, .font = &CyrillicFont},
     &F::MolBoxClick},
    {Field<&F::RadioGroup>,
     {.name = "RadioGroup", .parent = "Sheet1", .bounds = {8, 8, 177, 129},
      .text = "Section of physics", .lines = data::SectionCaptions, .tabOrder = 1,
      .hint = "Choose section of physics", .showHint = true},
     &F::RadioGroupClick},
    {Field<&F::CopyBtn>,
     {.name = "CopyBtn", .parent = "Sheet1", .bounds = {392, 160, 105, 25}, .text = "Copy",
      .tabOrder = 2, .enabled = false, .hint = "Copy to clipboard", .showHint = true,
      .glyph = IDB_GLYPH_COPY, .numGlyphs = 2},
     &F::CopyBtnClick},
    {Field<&F::Memo>,
     {.name = "Memo", .parent = "Sheet1", .bounds = {264, 24, 57, 57}, .tabOrder = 3,
      .visible = false, .wordWrap = false}},
    {Field<&F::MehBox>,
     {.name = "MehBox", .parent = "Sheet1", .bounds = ListPlace, .lines = data::MechanicsEntries,
      .tabOrder = 4, .visible = false},
     &F::MehBoxClick},
    {Field<&F::AtBox>,
     {.name = "AtBox", .parent = "Sheet1", .bounds = ListPlace, .lines = data::AtomicEntries,
      .tabOrder = 5, .visible = false},
     &F::AtBoxClick},
    {Field<&F::ElBox>,
     {.name = "ElBox", .parent = "Sheet1", .bounds = ListPlace, .lines = data::ElectricityEntries,
      .tabOrder = 6, .visible = false},
     &F::ElBoxClick},
    {Field<&F::AboutButton>,
     {.name = "AboutButton", .parent = "Sheet1", .bounds = {384, 16, 113, 25}, .text = "About...",
      .tabOrder = 7, .cursor = TCursor::crHelp, .glyph = IDB_GLYPH_ABOUT, .numGlyphs = 2},
     &F::AboutButtonClick},
    {Field<&F::BitBtn2>,
     {.name = "BitBtn2", .parent = "Sheet1", .bounds = {384, 56, 113, 25}, .text = "Help",
      .tabOrder = 8, .cursor = TCursor::crHelp, .glyph = IDB_GLYPH_HELP, .numGlyphs = 2},
     &F::HelpButtonClick},
    {Field<&F::ExitButton>,
     {.name = "ExitButton", .parent = "Sheet1", .bounds = {384, 96, 113, 25}, .text = "Exit",
      .tabOrder = 9, .font = &BoldFont, .glyph = IDB_GLYPH_EXIT, .numGlyphs = 1},
     &F::ExitButtonClick},
    {Field<&F::CalcBtn>,
     {.name = "CalcBtn", .parent = "Sheet1", .bounds = {392, 200, 105, 25}, .text = "Calculator",
      .tabOrder = 10, .hint = "Run Windows calculator", .showHint = true,
      .glyph = IDB_GLYPH_CALC, .numGlyphs = 2},
     &F::CalcBtnClick},
    {Field<&F::MagBox>,
     {.name = "MagBox", .parent = "Sheet1", .bounds = ListPlace, .lines = data::MagnetismEntries,
      .tabOrder = 11, .visible = false},
     &F::MagBoxClick},
    {Field<&F::TabSheet1>, {.name = "TabSheet1", .parent = "PageControl1", .text = "Other"}},
};

const FormDescription<F> MainDescription{
    .form = {.className = L"TMainForm", .caption = "Tabulon", .left = 192, .top = 110,
             .clientWidth = 516, .clientHeight = 281, .icon = IDI_TABULON},
    .controls = MainControls,
    .onCreate = &F::FormCreate,
};

}  // namespace

TMainForm::TMainForm() { LoadDescription(*this, MainDescription); }

void TMainForm::FormCreate(TObject*) {
  WindowsDirectory = shell::WindowsDirectory();
  Application->OnMinimize = [this](TObject* sender) { MyMin(sender); };
}

// Minimised into the notification area: the main window goes out of sight.
void TMainForm::MyMin(TObject*) { Hide(); }

void TMainForm::ExitButtonClick(TObject*) { Close(); }

void TMainForm::RadioGroupClick(TObject*) {
  CopyBtn.SetEnabled(true);
  TListBox* lists[] = {&MehBox, &MolBox, &ElBox, &MagBox, &AtBox};  // section order
  int chosen = RadioGroup.ItemIndex();
  for (int i = 0; i < 5; ++i) lists[i]->SetVisible(i == chosen);
}

void TMainForm::TakeSelectedLine(const TListBox& list) {
  Memo.Clear();
  int i = list.ItemIndex();
  if (i >= 0) Memo.Append(list.Item(i));
}

void TMainForm::MehBoxClick(TObject*) { TakeSelectedLine(MehBox); }
void TMainForm::MolBoxClick(TObject*) { TakeSelectedLine(MolBox); }
void TMainForm::ElBoxClick(TObject*) { TakeSelectedLine(ElBox); }
void TMainForm::MagBoxClick(TObject*) { TakeSelectedLine(MagBox); }
void TMainForm::AtBoxClick(TObject*) { TakeSelectedLine(AtBox); }

void TMainForm::CopyBtnClick(TObject*) {
  Memo.SelectAll();
  Memo.CopyToClipboard();
}

// The About window's result makes no difference here.
void TMainForm::AboutButtonClick(TObject*) { AboutBox->ShowModal(); }
void TMainForm::HelpButtonClick(TObject*) {}
void TMainForm::CalcBtnClick(TObject*) {}
