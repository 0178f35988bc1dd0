#include "pictures.h"

#include <string>

#include "dispatch.h"
#include "resource_ids.h"

namespace vexo::office {
namespace {

// DIB pixels are 0xAARRGGBB; magenta marks the transparent pixels of the symbols.
constexpr DWORD kMagenta = 0x00FF00FF;

struct Pixels {
    HBITMAP bitmap = nullptr;  // top-down 32-bit DIB section
    DWORD* bits = nullptr;
    int width = 0, height = 0;
};

// The symbol's bitmap resource converted to a 32-bit top-down DIB section.
Pixels Load(Symbol symbol) {
    int index = static_cast<int>(symbol);
    int id = symbol == Symbol::LargeInsert ? IDB_LARGE_INSERT
             : symbol == Symbol::LargeSave ? IDB_LARGE_SAVE
                                           : kSymbolBitmapFirst + index;
    HBITMAP source = static_cast<HBITMAP>(LoadImageW(win32::ThisModule(), MAKEINTRESOURCEW(id),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!source) throw Error("Ein Symbol des Add-Ins fehlt in Vexo.dll.");
    BITMAP info{};
    GetObjectW(source, sizeof info, &info);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = info.bmWidth;
    format.bmiHeader.biHeight = -info.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    Pixels p{nullptr, nullptr, info.bmWidth, info.bmHeight};
    void* bits = nullptr;
    p.bitmap = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    p.bits = static_cast<DWORD*>(bits);
    HDC dc = GetDC(nullptr);
    bool ok = p.bitmap && GetDIBits(dc, source, 0, info.bmHeight, bits, &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    DeleteObject(source);
    if (!ok) {
        if (p.bitmap) DeleteObject(p.bitmap);
        throw Error("Ein Symbol des Add-Ins konnte nicht gelesen werden.");
    }
    return p;
}

ComPtr<IPictureDisp> ToPicture(HBITMAP bitmap) {
    PICTDESC desc{};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = PICTYPE_BITMAP;
    desc.bmp.hbitmap = bitmap;
    ComPtr<IPictureDisp> picture;
    // The picture owns the bitmap from here on.
    HRESULT hr = OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE,
                                          reinterpret_cast<void**>(picture.Put()));
    if (FAILED(hr)) {
        DeleteObject(bitmap);
        Check(hr, "OleCreatePictureIndirect");
    }
    return picture;
}

bool Transparent(DWORD pixel) {
    return (pixel & 0xFFFFFF) == kMagenta;
}

}  // namespace

ComPtr<IPictureDisp> ButtonPicture(Symbol symbol) {
    return ToPicture(Load(symbol).bitmap);
}

ComPtr<IPictureDisp> ButtonMask(Symbol symbol) {
    Pixels p = Load(symbol);
    // Rows of a 1-bit bitmap are padded to 16 bits; a set bit is white, i.e. transparent.
    int stride = (p.width + 15) / 16 * 2;
    std::string rows(static_cast<size_t>(stride) * p.height, '\0');
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (Transparent(p.bits[y * p.width + x]))
                rows[y * stride + x / 8] |= static_cast<char>(0x80 >> (x % 8));
    HBITMAP mask = CreateBitmap(p.width, p.height, 1, 1, rows.data());
    DeleteObject(p.bitmap);
    if (!mask) throw Error("Die Maske eines Symbols konnte nicht erzeugt werden.");
    return ToPicture(mask);
}

ComPtr<IPictureDisp> RibbonPicture(Symbol symbol) {
    Pixels p = Load(symbol);
    // The large pictures carry their own alpha; the symbols get it from the magenta key.
    if (symbol != Symbol::LargeInsert && symbol != Symbol::LargeSave) {
        for (int i = 0; i < p.width * p.height; ++i)
            p.bits[i] = Transparent(p.bits[i]) ? 0 : (p.bits[i] | 0xFF000000);
    }
    return ToPicture(p.bitmap);
}

}  // namespace vexo::office
