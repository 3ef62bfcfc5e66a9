#include "forms/MainUnit.h"

#include "forms/HelpUnit.h"
#include "data/Catalogue.h"
#include "data/UnitTables.h"
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
constexpr int MenuPictures[] = {IDB_MENU_BOOK, IDB_MENU_HELP, IDB_MENU_EXIT};

// The settings every table box of the "Other" page shares: no border, menu
// colour, read-only, word wrap.
constexpr Props TableBox(Props p) {
  p.color = clMenu;
  p.border = TBorderStyle::bsNone;
  p.readOnly = true;
  p.wordWrap = true;
  return p;
}

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
    // The "Other" page: each table twice, the Russian one covered by the English
    // one laid out after it, inside frames that paint their whole rectangle.
    {Field<&F::Memo3>,
     TableBox({.name = "Memo3", .parent = "TabSheet1", .bounds = {24, 24, 97, 209},
      .lines = data::PrefixesRussian, .tabOrder = 0})},
    {Field<&F::GroupBox3>,
     {.name = "GroupBox3", .parent = "TabSheet1", .bounds = {8, 8, 137, 233},
      .text = "Decimal attachments", .tabOrder = 1}},
    {Field<&F::Memo4>,
     TableBox({.name = "Memo4", .parent = "TabSheet1", .bounds = {176, 32, 161, 193},
      .lines = data::UnitsRussian, .tabOrder = 2})},
    {Field<&F::GroupBox4>,
     {.name = "GroupBox4", .parent = "TabSheet1", .bounds = {160, 8, 201, 233},
      .text = "Some outsystem units", .tabOrder = 3}},
    {Field<&F::Memo5>,
     TableBox({.name = "Memo5", .parent = "TabSheet1", .bounds = {24, 24, 97, 209},
      .lines = data::PrefixesEnglish, .tabOrder = 4})},
    {Field<&F::Memo6>,
     TableBox({.name = "Memo6", .parent = "TabSheet1", .bounds = {176, 24, 161, 209},
      .lines = data::UnitsEnglish, .tabOrder = 5})},
    {Field<&F::BitBtn3>,
     {.name = "BitBtn3", .parent = "TabSheet1", .bounds = {392, 56, 105, 25}, .text = "Help",
      .tabOrder = 6, .cursor = TCursor::crHelp, .glyph = IDB_GLYPH_HELP, .numGlyphs = 2},
     &F::HelpButtonClick},
    // The notification-area icon: the menu's pictures, the menu and its items top
    // to bottom, then the icon that opens it.
    {Field<&F::ImageList>, {.name = "ImageList", .bitmaps = MenuPictures}},
    {Field<&F::PopupMenu>, {.name = "PopupMenu", .images = "ImageList"}},
    {Field<&F::Tabulo1>,
     {.name = "Tabulo1", .parent = "PopupMenu", .text = "Tabulon", .imageIndex = 0,
      .isDefault = true},
     &F::Tabulo1Click},
    {Field<&F::Help1>,
     {.name = "Help1", .parent = "PopupMenu", .text = "Help", .imageIndex = 1},
     &F::HelpButtonClick},
    {Field<&F::N1>, {.name = "N1", .parent = "PopupMenu", .text = "-"}},
    {Field<&F::Exit1>,
     {.name = "Exit1", .parent = "PopupMenu", .text = "Exit", .imageIndex = 2},
     &F::ExitButtonClick},
    {Field<&F::TrayIcon>,
     {.name = "TrayIcon", .hint = "Tabulon", .icon = IDI_TABULON, .popupMenu = "PopupMenu"},
     nullptr, &F::TrayIconClick},
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

// Shows the Help window where the user left it, or brings it to the front and
// activates it; a minimised Help window stays minimised.
void TMainForm::HelpButtonClick(TObject*) {
  if (!HelpBox->Visible()) HelpBox->Show();
  HelpBox->BringToFront();
}

// The calculator that comes with Windows: in the Windows directory, or failing
// that (file not found) in its System32. Without a known Windows directory no
// request is made, so that no program is looked for in a relative place.
void TMainForm::CalcBtnClick(TObject*) {
  if (!WindowsDirectory || WindowsDirectory->empty()) return;
  std::wstring dir = *WindowsDirectory;
  if (dir.back() == L'\\') dir.pop_back();
  constexpr INT_PTR FileNotFound = 2;
  if (shell::Open(Handle(), dir + L"\\calc.exe") == FileNotFound)
    shell::Open(Handle(), dir + L"\\System32\\calc.exe");
}

// ------------------------------------------------------- notification area

// Minimised into the notification area: the main window goes out of sight, but
// only while the icon is there to bring it back; without it the window stays a
// minimised one with its taskbar button.
void TMainForm::MyMin(TObject*) {
  if (TrayIcon.Shown()) Hide();
}

namespace {
// Back from the notification area (or, when shown, just to the front).
void RestoreMainWindow() {
  MainForm->Show();
  Application->Restore();
  Application->BringToFront();
}
}  // namespace

void TMainForm::TrayIconClick(TObject*, TMouseButton, TShiftState, int, int) {
  RestoreMainWindow();
}
void TMainForm::Tabulo1Click(TObject*) { RestoreMainWindow(); }
