#include "forms/AboutUnit.h"

using namespace ui;

TAboutBox* AboutBox = nullptr;

namespace {
const FormDescription<TAboutBox> AboutDescription{
    .form = {.className = L"TAboutBox", .caption = "About...", .left = 286, .top = 144,
             .clientWidth = 312, .clientHeight = 198, .border = TFormBorderStyle::bsDialog,
             .borderIcons = biSystemMenu},
};
}  // namespace

TAboutBox::TAboutBox() { LoadDescription(*this, AboutDescription); }
