#pragma once
// The Help window: a short text on what the program is for and how to read it.
// It stays on top, beside the main window, until the user closes it.
#include "ui/Forms.h"
#include "ui/StdCtrls.h"

class THelpBox : public ui::TForm {
 public:
  THelpBox();
  ui::TMemo Memo1;
};

extern THelpBox* HelpBox;
