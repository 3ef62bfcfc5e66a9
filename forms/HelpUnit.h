#pragma once
// The Help window: a short text on what the program is for and how to read it.
#include "ui/Forms.h"

class THelpBox : public ui::TForm {
 public:
  THelpBox();
};

extern THelpBox* HelpBox;
