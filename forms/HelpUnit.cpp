#include "forms/HelpUnit.h"

#include "resources/ResourceIds.h"

using namespace ui;

THelpBox* HelpBox = nullptr;

namespace {
const FormDescription<THelpBox> HelpDescription{
    .form = {.className = L"THelpBox", .caption = "Help", .left = 369, .top = 152,
             .clientWidth = 225, .clientHeight = 268, .stayOnTop = true, .icon = IDI_TABULON},
};
}  // namespace

THelpBox::THelpBox() { LoadDescription(*this, HelpDescription); }
