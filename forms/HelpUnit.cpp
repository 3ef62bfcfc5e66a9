#include "forms/HelpUnit.h"

#include "resources/ResourceIds.h"

using namespace ui;

THelpBox* HelpBox = nullptr;

namespace {

// Real line breaks, as the text was written; the box centres every line.
const char* const HelpText[] = {
    "  Tabulon - programs-assistant for physics, ",
    "engineers etc. - those who should be engaged ",
    "in calculations on the computer. Tabulon - the ",
    "quick reference on physical constants, ",
    "contains sufficient quantity of physical ",
    "constants... Select section of physics -... and",
    "view accessible constants. At desire it is ",
    "possible to copy to the clipboard. Single ",
    "complexity in my opinion - mapping of degrees. ",
    "By virtue of possibilities of language, for ",
    "example, dimensionality meters square looks ",
    "as: m (+2) etc.",
    "",
    "Have nice helping!!!",
};

const Entry<THelpBox> HelpControls[] = {
    {Field<&THelpBox::Memo1>,
     {.name = "Memo1", .lines = HelpText, .tabOrder = 0, .color = clInfoBk,
      .align = TAlign::alClient, .alignment = TAlignment::taCenter, .readOnly = true}},
};

const FormDescription<THelpBox> HelpDescription{
    .form = {.className = L"THelpBox", .caption = "Help", .left = 369, .top = 152,
             .clientWidth = 225, .clientHeight = 268, .stayOnTop = true, .icon = IDI_TABULON},
    .controls = HelpControls,
};

}  // namespace

THelpBox::THelpBox() { LoadDescription(*this, HelpDescription); }
