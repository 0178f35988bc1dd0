#pragma once

// The add-in's button pictures from the module's resources, handed to Office as OLE pictures:
// command-bar Picture and Mask, ribbon images with alpha.
#include <ocidl.h>
#include <olectl.h>

#include "com_types.h"

namespace vexo::office {

// Image-list motifs by index (16 × 16, magenta transparent), then the two large ribbon
// pictures (32 × 32 with alpha).
enum class Symbol {
    Info = 0,
    Gear = 1,
    Hash = 2,
    SaveDisk = 3,
    Scroll = 4,
    FolderDocument = 5,
    LargeInsert = 6,
    LargeSave = 7
};

// Command bar: the picture and its 1-bit mask (white = transparent, black = shown).
ComPtr<IPictureDisp> ButtonPicture(Symbol symbol);
ComPtr<IPictureDisp> ButtonMask(Symbol symbol);
// Ribbon: a 32-bit picture with alpha.
ComPtr<IPictureDisp> RibbonPicture(Symbol symbol);

}  // namespace vexo::office
