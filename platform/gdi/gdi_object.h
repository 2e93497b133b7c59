// Drawing objects by handle. Every pen, brush, font, bitmap, region and
// device context lives in one table and is reached only through its handle;
// a handle carries its slot and the slot's generation, so a handle whose
// object was deleted (or a made-up one) is recognised and refused instead
// of reaching freed memory.
#pragma once

#include <cstdint>
#include <memory>

// Distinct handle types. They are pointers that are never dereferenced: the
// object kinds convert to HGDIOBJ implicitly and back with static_cast, and
// 0 is the null handle, as the callers expect.
struct HGDIOBJ__ {};
struct HBITMAP__ : HGDIOBJ__ {};
struct HPEN__ : HGDIOBJ__ {};
struct HBRUSH__ : HGDIOBJ__ {};
struct HFONT__ : HGDIOBJ__ {};
struct HRGN__ : HGDIOBJ__ {};
struct HDC__ {};
using HGDIOBJ = HGDIOBJ__*;
using HBITMAP = HBITMAP__*;
using HPEN = HPEN__*;
using HBRUSH = HBRUSH__*;
using HFONT = HFONT__*;
using HRGN = HRGN__*;
using HDC = HDC__*;

// Object types, as GetObjectType answers.
enum : int {
    OBJ_PEN = 1,
    OBJ_BRUSH = 2,
    OBJ_DC = 3,
    OBJ_FONT = 6,
    OBJ_BITMAP = 7,
    OBJ_REGION = 8,
    OBJ_MEMDC = 10,
};

// Stock objects.
enum : int {
    WHITE_BRUSH = 0,
    LTGRAY_BRUSH = 1,
    GRAY_BRUSH = 2,
    DKGRAY_BRUSH = 3,
    BLACK_BRUSH = 4,
    NULL_BRUSH = 5,
    HOLLOW_BRUSH = NULL_BRUSH,
    WHITE_PEN = 6,
    BLACK_PEN = 7,
    NULL_PEN = 8,
    OEM_FIXED_FONT = 10,
    ANSI_FIXED_FONT = 11,
    ANSI_VAR_FONT = 12,
    SYSTEM_FONT = 13,
    DEVICE_DEFAULT_FONT = 14,
    SYSTEM_FIXED_FONT = 16,
    DEFAULT_GUI_FONT = 17,
    // The 1 x 1 monochrome bitmap every new memory DC starts with.
    DEFAULT_BITMAP = 21,
};

// The base of everything a handle can name. The concrete kinds live in
// their own files (bitmap, pen and brush, region, device context, font).
class TGdiObject {
public:
    explicit TGdiObject(int ObjectType) : objectType_(ObjectType) {}
    virtual ~TGdiObject() = default;
    TGdiObject(const TGdiObject&) = delete;
    TGdiObject& operator=(const TGdiObject&) = delete;

    int ObjectType() const { return objectType_; }

    // GetObject: writes the object's description (at most Size bytes) to
    // Buffer and returns the bytes written; with no buffer, returns the
    // size of the full description. 0 when the kind has no description.
    virtual int Describe(int Size, void* Buffer) const;

    // How many DC states (current and saved) hold the object selected.
    int SelectCount = 0;
    // DeleteObject was called while the object was selected: it goes away
    // when the last DC lets go of it. Until then no call can reach it by
    // handle except the DCs that hold it.
    bool DeletePending = false;
    bool Stock = false;

private:
    int objectType_;
};

// Places an object in the table and returns its new handle.
HGDIOBJ AddGdiObject(std::unique_ptr<TGdiObject> Object);

// The live object behind a handle, or nullptr for 0, a stale handle, a
// handle of another table kind, or an object whose deletion is pending.
TGdiObject* FindGdiObject(const void* Handle);
// The same, but also finds objects whose deletion is pending: for the DCs
// that still hold them.
TGdiObject* FindSelectedGdiObject(const void* Handle);

// Typed look-ups: nullptr unless the handle names a live T.
template <typename T>
T* GdiObjectAs(const void* Handle)
{
    return dynamic_cast<T*>(FindGdiObject(Handle));
}
template <typename T>
T* SelectedGdiObjectAs(const void* Handle)
{
    return dynamic_cast<T*>(FindSelectedGdiObject(Handle));
}

// Frees the object and retires its handle. Stock objects stay.
void RemoveGdiObject(const void* Handle);

// A DC state starts or stops holding the object; the last release of an
// object whose deletion is pending frees it.
void RetainGdiObject(const void* Handle);
void ReleaseGdiObject(const void* Handle);

// Replaces the object behind a stock handle (the handle stays the same, so
// DCs that hold it see the new object). The fonts code installs its stock
// fonts this way; until then a stock font is a bare OBJ_FONT object.
void SetStockObject(int Index, std::unique_ptr<TGdiObject> Object);

HGDIOBJ GetStockObject(int Index);
int GetObjectType(HGDIOBJ Object);
// Deleting a stock object does nothing and succeeds; deleting an object that
// a DC holds selected is deferred until the DC lets go of it.
bool DeleteObject(HGDIOBJ Object);
int GetObject(HGDIOBJ Object, int Size, void* Buffer);

// The number of live objects in the table, stock objects left out; tests
// use it to prove that nothing leaks.
int GdiObjectCount();
