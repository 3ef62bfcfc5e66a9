#pragma once
// Resource numbers of the program's icon, pictures and glyphs.
#define IDI_TABULON 1
#define IDB_PICTURE 100
#define IDB_GLYPH_COPY 101
#define IDB_GLYPH_ABOUT 102
#define IDB_GLYPH_HELP 103
#define IDB_GLYPH_EXIT 104
#define IDB_GLYPH_CALC 105
#define IDB_MENU_BOOK 130
#define IDB_MENU_HELP 131
#define IDB_MENU_EXIT 132
