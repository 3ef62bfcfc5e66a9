#pragma once
// The whole window set made in the test program, as the program makes it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/AboutUnit.h"
#include "forms/HelpUnit.h"
#include "forms/MainUnit.h"
#include "tests/support/TestSupport.h"

class AppFixture : public ::testing::Test {
 protected:
  void SetUp() override { Start(SW_SHOWNORMAL); }
  // Makes the window set and shows the main window as a start with the show command would.
  void Start(int showCommand) {
    app_ = std::make_unique<ui::TApplication>();
    ui::Application->Initialize();
    ui::Application->SetTitle(L"Tabulon");
    ui::Application->OnException = [this](const std::exception& e) { errors.push_back(e.what()); };
    ui::Application->CreateForm(MainForm);
    ui::Application->CreateForm(AboutBox);
    ui::Application->CreateForm(HelpBox);
    test::Dispatch = [](MSG& msg) { ui::Application->ProcessMessage(msg); };
    ui::Application->ShowCommandOverride = showCommand;
    ui::Application->ShowMainForm();
    if (MainForm->Visible()) SetForegroundWindow(MainForm->Handle());
    test::Pump(50);
  }
  void TearDown() override {
    app_.reset();
    test::Pump(10);
  }

  HWND Focus() const { return GetFocus(); }
  // Checks a section the way a click on its radio button does.
  void ChooseSection(int index) {
    test::ClickCentre(MainForm->RadioGroup.Button(index).Handle());
    test::Pump();
  }
  void ClickLine(ui::TListBox& list, int index) {
    SendMessageW(list.Handle(), LB_SETTOPINDEX, WPARAM(index), 0);
    RECT rc;
    SendMessageW(list.Handle(), LB_GETITEMRECT, WPARAM(index), LPARAM(&rc));
    test::ClickAt(list.Handle(), POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
    test::Pump();
  }
  void Click(ui::TWinControl& c) {
    test::ClickCentre(c.Handle());
    test::Pump();
  }

  std::vector<std::string> errors;

 private:
  std::unique_ptr<ui::TApplication> app_;
};
