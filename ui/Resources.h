#pragma once
// Resources the component layer expects in the program: the standard glyph of
// an OK button (two 18 by 18 images, normal and disabled).
#define UI_GLYPH_OK 120
