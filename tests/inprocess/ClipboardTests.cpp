// What Copy puts on the clipboard, for every constant, in Unicode and in the
// system's ANSI code page (run under code pages 1251 and 1252).
#include <thread>

#include "data/Catalogue.h"
#include "tests/inprocess/AppFixture.h"
#include "ui/Text.h"

using namespace ui;

using Clipboard = AppFixture;

TEST_F(Clipboard, EveryConstantIsCopiedAsItsLineAndALineBreak) {
  TMainForm& f = *MainForm;
  TListBox* lists[] = {&f.MehBox, &f.MolBox, &f.ElBox, &f.MagBox, &f.AtBox};
  int copied = 0;
  for (int s = 0; s < 5; ++s) {
    ChooseSection(s);
    const auto& entries = data::Sections[size_t(s)].entries;
    for (size_t i = 0; i < entries.size(); ++i) {
      ClickLine(*lists[s], int(i));
      test::ClearClipboard();
      Click(f.CopyBtn);
      std::wstring line = Widen(entries[i]);
      EXPECT_EQ(test::ClipboardUnicode(), line + L"\r\n") << s << "/" << i;
      EXPECT_EQ(test::Hex(test::ClipboardAnsi()), test::Hex(ToCodePage(line, CP_ACP) + "\r\n"))
          << s << "/" << i;
      ++copied;
    }
  }
  EXPECT_EQ(copied, 53);
  EXPECT_TRUE(errors.empty());
}

TEST_F(Clipboard, CyrillicLettersAndTheMiddleDotKeepTheirBytes) {
  TMainForm& f = *MainForm;
  struct Case {
    int section, entry;
    size_t at;
    wchar_t letter;
    unsigned char cp1251;
  } cases[] = {
      {0, 0, 14, L'\x0441', 0xF1},  // Light's speed с
      {2, 13, 28, L'\x0421', 0xD1},  // С1
      {1, 5, 34, L'\x00B7', 0xB7},   // J/(K·mol)
  };
  TListBox* lists[] = {&f.MehBox, &f.MolBox, &f.ElBox, &f.MagBox, &f.AtBox};
  for (const Case& c : cases) {
    ChooseSection(c.section);
    ClickLine(*lists[c.section], c.entry);
    Click(f.CopyBtn);
    std::wstring wide = test::ClipboardUnicode();
    ASSERT_GT(wide.size(), c.at);
    EXPECT_EQ(wide[c.at], c.letter) << "Unicode keeps every letter";
    if (GetACP() == 1251) {
      std::string ansi = test::ClipboardAnsi();
      ASSERT_GT(ansi.size(), c.at);
      EXPECT_EQ(static_cast<unsigned char>(ansi[c.at]), c.cp1251);
    }
  }
  // The molar gas constant, byte for byte.
  ChooseSection(1);
  ClickLine(f.MolBox, 5);
  Click(f.CopyBtn);
  EXPECT_EQ(test::ClipboardUnicode(), L"Molar gas constant  R=8.31434 J/(K\x00B7mol)\r\n");
}

TEST_F(Clipboard, AClipboardHeldByAnotherProgramIsReportedNotPretended) {
  TMainForm& f = *MainForm;
  ChooseSection(3);
  ClickLine(f.MagBox, 0);
  test::PutClipboardText(L"before");
  // Another thread with a window of its own keeps the clipboard open.
  HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread holder([&] {
    HWND w = CreateWindowExW(0, L"STATIC", L"holder", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             nullptr, nullptr);
    // The system's own clipboard watcher may hold it a moment after a change.
    while (!OpenClipboard(w)) Sleep(5);
    SetEvent(opened);
    WaitForSingleObject(release, 10000);
    CloseClipboard();
    DestroyWindow(w);
  });
  // Keep handling messages meanwhile: the system's clipboard watcher may send
  // to our windows while it looks at the clipboard.
  ASSERT_TRUE(test::WaitFor([&] { return WaitForSingleObject(opened, 0) == WAIT_OBJECT_0; }));
  DWORD start = GetTickCount();
  SendMessageW(f.CopyBtn.Handle(), BM_CLICK, 0, 0);
  DWORD took = GetTickCount() - start;
  SetEvent(release);
  holder.join();
  CloseHandle(opened);
  CloseHandle(release);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "Cannot open clipboard");
  EXPECT_LT(took, 5000u) << "gives up after a short while";
  EXPECT_EQ(test::ClipboardUnicode(), L"before");
  // Once free again, Copy works.
  Click(f.CopyBtn);
  EXPECT_EQ(test::ClipboardUnicode(), f.MagBox.Item(0) + L"\r\n");
}
