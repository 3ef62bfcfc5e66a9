#pragma once
// The About window: the program's name, version and its maker's links.
#include "ui/Forms.h"

class TAboutBox : public ui::TForm {
 public:
  TAboutBox();
};

extern TAboutBox* AboutBox;
