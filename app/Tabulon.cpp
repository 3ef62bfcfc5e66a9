// Tabulon: a desktop reference of physical constants.
#include <windows.h>

#include "forms/AboutUnit.h"
#include "forms/HelpUnit.h"
#include "forms/MainUnit.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  ui::TApplication application;
  ui::Application->Initialize();
  ui::Application->SetTitle(L"Tabulon");
  ui::Application->CreateForm(MainForm);
  ui::Application->CreateForm(AboutBox);
  ui::Application->CreateForm(HelpBox);
  ui::Application->Run();
  return 0;
}
