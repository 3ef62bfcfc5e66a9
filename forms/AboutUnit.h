#pragma once
// The About window: the program's name, version and its maker's links.
#include "ui/Buttons.h"
#include "ui/ExtCtrls.h"
#include "ui/Forms.h"
#include "ui/RxCtrls.h"
#include "ui/StdCtrls.h"

class TAboutBox : public ui::TForm {
 public:
  TAboutBox();

  ui::TBitBtn BitBtn1;
  ui::TBevel Bevel1;
  ui::TImage Image1;
  ui::TLabel Label4;
  ui::TLabel Label5;
  ui::TRxLabel RxLabel1;
  ui::TRxLabel RxLabel2;
  ui::TRxLabel RxLabel3;
  ui::TRxLabel RxLabel4;
  ui::TRxLabel RxLabel5;

  void Label5Click(ui::TObject* Sender);
  void Label4Click(ui::TObject* Sender);
};

extern TAboutBox* AboutBox;
