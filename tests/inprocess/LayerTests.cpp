// The component layer: stacking, scaling, exceptions, and descriptions that
// cannot be loaded.
#include <thread>

#include "tests/inprocess/AppFixture.h"
#include "ui/Text.h"

using namespace ui;

namespace {

std::vector<HWND> ZOrder(HWND parent) { return test::Children(parent); }

// A small form whose one button runs a handler that throws.
class TThrowingForm : public TForm {
 public:
  static inline std::string message;
  TThrowingForm();
  TBitBtn Button;
  void ButtonClick(TObject*) { throw std::runtime_error(message); }
};

const Entry<TThrowingForm> ThrowingControls[] = {
    {Field<&TThrowingForm::Button>,
     {.name = "Button", .bounds = {8, 8, 75, 25}, .text = "Go"},
     &TThrowingForm::ButtonClick},
};
const FormDescription<TThrowingForm> ThrowingDescription{
    .form = {.className = L"TThrowingForm", .caption = "Thrower", .left = 10, .top = 10,
             .clientWidth = 100, .clientHeight = 50},
    .controls = ThrowingControls,
};
TThrowingForm::TThrowingForm() { LoadDescription(*this, ThrowingDescription); }

class TBadParentForm : public TForm {
 public:
  TBadParentForm();
  TListBox List;
};
const Entry<TBadParentForm> BadParentControls[] = {
    {Field<&TBadParentForm::List>, {.name = "List", .parent = "NoSuchPage"}},
};
TBadParentForm::TBadParentForm() {
  LoadDescription(*this, FormDescription<TBadParentForm>{
                             .form = {.className = L"TBadParentForm", .caption = "x"},
                             .controls = BadParentControls});
}

class TTwinForm : public TForm {
 public:
  TTwinForm();
  TListBox A, B;
};
const Entry<TTwinForm> TwinControls[] = {
    {Field<&TTwinForm::A>, {.name = "List"}},
    {Field<&TTwinForm::B>, {.name = "List"}},
};
TTwinForm::TTwinForm() {
  LoadDescription(*this, FormDescription<TTwinForm>{
                             .form = {.className = L"TTwinForm", .caption = "x"},
                             .controls = TwinControls});
}

}  // namespace

using Layer = AppFixture;

TEST_F(Layer, LaterControlsStackAboveEarlierOnesWhateverIsShown) {
  TMainForm& f = *MainForm;
  // Windowed controls of the constants page, top of the stack first.
  std::vector<HWND> expected = {f.MagBox.Handle(),      f.CalcBtn.Handle(), f.ExitButton.Handle(),
                                f.BitBtn2.Handle(),     f.AboutButton.Handle(), f.ElBox.Handle(),
                                f.AtBox.Handle(),       f.MehBox.Handle(),  f.Memo.Handle(),
                                f.CopyBtn.Handle(),     f.RadioGroup.Handle(), f.MolBox.Handle()};
  EXPECT_EQ(ZOrder(f.Sheet1.Handle()), expected);
  for (int section : {1, 3, 0}) ChooseSection(section);
  EXPECT_EQ(ZOrder(f.Sheet1.Handle()), expected);
}

TEST_F(Layer, EveryPlaceSizeAndFontScalesWithTheTextHeight) {
  // Laid out for a 13-pixel text height; the prefix's "MS Sans Serif" has it.
  ASSERT_EQ(MainForm->TextHeight(), 13);
  RECT client;
  GetClientRect(MainForm->Handle(), &client);
  EXPECT_EQ(client.right, 516);
  EXPECT_EQ(client.bottom, 281);
  RECT list = test::RectInParent(MainForm->MolBox.Handle());
  EXPECT_EQ(list.left, 8);
  EXPECT_EQ(list.top, 152);
  EXPECT_EQ(list.right - list.left, 377);
  EXPECT_EQ(list.bottom - list.top, 89);

  // At twice the text height, everything is twice as large.
  TForm::TextHeightOverride = 26;
  TThrowingForm* big = nullptr;
  Application->CreateForm(big);
  TForm::TextHeightOverride = 0;
  GetClientRect(big->Handle(), &client);
  EXPECT_EQ(client.right, 200);
  EXPECT_EQ(client.bottom, 100);
  RECT button = test::RectInParent(big->Button.Handle());
  EXPECT_EQ(button.left, 16);
  EXPECT_EQ(button.top, 16);
  EXPECT_EQ(button.right - button.left, 150);
  EXPECT_EQ(button.bottom - button.top, 50);
  LOGFONTW lf{};
  GetObjectW(big->WindowFont(), sizeof lf, &lf);
  EXPECT_EQ(lf.lfHeight, -22);
  Font arial(big->MakeFont(FontDesc{.name = "Arial", .height = 16}));
  GetObjectW(arial.get(), sizeof lf, &lf);
  EXPECT_EQ(lf.lfHeight, -32);
}

TEST_F(Layer, AnExceptionInAHandlerIsShownInAnErrorBoxAndTheProgramGoesOn) {
  Application->OnException = nullptr;  // the real message box
  TThrowingForm* form = nullptr;
  Application->CreateForm(form);
  form->Show();
  struct Case {
    const char* message;
    const wchar_t* shown;
  } cases[] = {{"Disk full", L"Disk full."}, {"Done.", L"Done."}, {"Failed!", L"Failed!"}};
  for (const Case& c : cases) {
    TThrowingForm::message = c.message;
    std::wstring caption, text;
    std::thread closer([&] {
      // Another thread watches for the box, reads it and presses OK.
      for (int i = 0; i < 500; ++i) {
        HWND box = FindWindowW(L"#32770", nullptr);
        if (box) {
          caption = test::TextOf(box);
          for (HWND child : test::Children(box, L"Static"))
            if (!test::TextOf(child).empty()) text = test::TextOf(child);
          PostMessageW(box, WM_COMMAND, IDOK, 0);
          return;
        }
        Sleep(10);
      }
    });
    SendMessageW(form->Button.Handle(), BM_CLICK, 0, 0);
    closer.join();
    EXPECT_EQ(caption, L"Tabulon");
    EXPECT_EQ(text, c.shown);
  }
  EXPECT_TRUE(IsWindow(form->Handle()));  // still there, still working
}

TEST_F(Layer, ADescriptionThatCannotBeLoadedIsRefusedWithAClearError) {
  TBadParentForm* bad = nullptr;
  try {
    Application->CreateForm(bad);
    FAIL() << "an unknown parent was accepted";
  } catch (const std::logic_error& e) {
    EXPECT_STREQ(e.what(), "Unknown parent control: NoSuchPage");
  }
  EXPECT_EQ(bad, nullptr);
  TTwinForm* twins = nullptr;
  EXPECT_THROW(Application->CreateForm(twins), std::logic_error);
}

class TProbeForm : public TForm {
 public:
  static inline TProbeForm* Probe = nullptr;
  bool variableWasSet = Probe == this;
  TProbeForm() {
    LoadDescription(*this, FormDescription<TProbeForm>{
                               .form = {.className = L"TProbeForm", .caption = "probe"}});
  }
};

TEST_F(Layer, TheFormVariableIsSetBeforeTheFormIsBuiltAndClearedWhenItGoes) {
  Application->CreateForm(TProbeForm::Probe);
  EXPECT_TRUE(TProbeForm::Probe->variableWasSet);
  EXPECT_EQ(Application->MainForm(), MainForm);
  EXPECT_EQ(Application->Forms(),
            (std::vector<TForm*>{MainForm, AboutBox, HelpBox, TProbeForm::Probe}));
  Application->DestroyForms();
  EXPECT_EQ(MainForm, nullptr);
  EXPECT_EQ(AboutBox, nullptr);
  EXPECT_EQ(HelpBox, nullptr);
  EXPECT_EQ(TProbeForm::Probe, nullptr);
}
