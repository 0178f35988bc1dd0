// Resource ids of forms/forms.rc, for the dialogs and for the command bar and ribbon glue.
#pragma once

// The six 16 x 16 symbols of the command bar, 24-bit with magenta (255, 0, 255) as the
// transparent colour; the id is kSymbolBitmapFirst + the symbol's index.
#define IDB_SYMBOL_INFO 1100    // 0: information sign (About)
#define IDB_SYMBOL_GEAR 1101    // 1: gear wheel (settings)
#define IDB_SYMBOL_HASH 1102    // 2: hash sign (insert)
#define IDB_SYMBOL_SAVE 1103    // 3: floppy disk with hash sign (save under number)
#define IDB_SYMBOL_LOG 1104     // 4: scroll (log)
#define IDB_SYMBOL_FOLDER 1105  // 5: folder with document (InfoPath settings)

// The ribbon's large buttons: 32 x 32, 32-bit with alpha (load with LR_CREATEDIBSECTION).
#define IDB_LARGE_INSERT 1110  // page with hash sign
#define IDB_LARGE_SAVE 1111    // floppy disk with hash sign

// Page with hash sign as an icon (16, 32, 48 and 64 pixels) for the About dialog.
#define IDI_VEXO_PAGE 1120

#ifdef __cplusplus
inline constexpr int kSymbolBitmapFirst = IDB_SYMBOL_INFO;
inline constexpr int kSymbolCount = 6;
#endif
