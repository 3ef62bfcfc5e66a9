#pragma once
// The main window: the constants page, the prefixes and units page, and the
// program's presence in the notification area.
#include <optional>
#include <string>

#include "ui/Buttons.h"
#include "ui/ComCtrls.h"
#include "ui/ExtCtrls.h"
#include "ui/Forms.h"
#include "ui/Menus.h"
#include "ui/StdCtrls.h"
#include "ui/TrayIcon.h"

class TMainForm : public ui::TForm {
 public:
  TMainForm();

  ui::TPageControl PageControl1;
  ui::TTabSheet Sheet1;
  ui::TListBox MolBox;
  ui::TRadioGroup RadioGroup;
  ui::TBitBtn CopyBtn;
  ui::TMemo Memo;
  ui::TListBox MehBox;
  ui::TListBox AtBox;
  ui::TListBox ElBox;
  ui::TBevel Bevel1;
  ui::TImage Image1;
  ui::TBitBtn AboutButton;
  ui::TBitBtn BitBtn2;
  ui::TBitBtn ExitButton;
  ui::TBitBtn CalcBtn;
  ui::TListBox MagBox;
  ui::TTabSheet TabSheet1;
  ui::TMemo Memo3;
  ui::TGroupBox GroupBox3;
  ui::TMemo Memo4;
  ui::TGroupBox GroupBox4;
  ui::TMemo Memo5;
  ui::TMemo Memo6;
  ui::TBitBtn BitBtn3;
  // The icon in the notification area, its menu and the menu's pictures.
  ui::TRxTrayIcon TrayIcon;
  ui::TPopupMenu PopupMenu;
  ui::TMenuItem Help1;
  ui::TMenuItem Exit1;
  ui::TMenuItem N1;
  ui::TMenuItem Tabulo1;
  ui::TImageList ImageList;

  void MyMin(ui::TObject* Sender);
  void MolBoxClick(ui::TObject* Sender);
  void CopyBtnClick(ui::TObject* Sender);
  void AtBoxClick(ui::TObject* Sender);
  void MehBoxClick(ui::TObject* Sender);
  void RadioGroupClick(ui::TObject* Sender);
  void ElBoxClick(ui::TObject* Sender);
  void ExitButtonClick(ui::TObject* Sender);
  void AboutButtonClick(ui::TObject* Sender);
  void HelpButtonClick(ui::TObject* Sender);
  void FormCreate(ui::TObject* Sender);
  void CalcBtnClick(ui::TObject* Sender);
  void MagBoxClick(ui::TObject* Sender);
  void TrayIconClick(ui::TObject* Sender, ui::TMouseButton Button, ui::TShiftState Shift, int X,
                     int Y);
  void Tabulo1Click(ui::TObject* Sender);

 private:
  // Makes the list's selected line the current constant.
  void TakeSelectedLine(const ui::TListBox& list);
};

extern TMainForm* MainForm;
// The Windows directory, read once when the main window is created; empty when
// the system could not report it.
extern std::optional<std::wstring> WindowsDirectory;
