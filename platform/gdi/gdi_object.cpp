#include "platform/gdi/gdi_object.h"

#include "platform/base/handle_table.h"
#include "platform/gdi/stock_objects.h"

namespace {

struct Table {
    THandleTable<TGdiObject> Objects;
    int Live = 0;  // objects other than stock ones
};

Table& TheTable()
{
    // Never destroyed: a DC that outlives the program's last statics (its
    // control never freed) still lets go of what it holds at exit, and
    // must find the table whole, not half torn down.
    static Table& table = *new Table;
    return table;
}

uintptr_t HandleValue(const void* handle)
{
    return reinterpret_cast<uintptr_t>(handle);
}

}  // namespace

int TGdiObject::Describe(int, void*) const
{
    return 0;
}

HGDIOBJ AddGdiObject(std::unique_ptr<TGdiObject> Object)
{
    Table& table = TheTable();
    if (!Object->Stock)
        ++table.Live;
    return reinterpret_cast<HGDIOBJ>(table.Objects.Add(std::move(Object)));
}

TGdiObject* FindSelectedGdiObject(const void* Handle)
{
    return TheTable().Objects.Find(HandleValue(Handle));
}

TGdiObject* FindGdiObject(const void* Handle)
{
    TGdiObject* object = FindSelectedGdiObject(Handle);
    return object && !object->DeletePending ? object : nullptr;
}

void RemoveGdiObject(const void* Handle)
{
    Table& table = TheTable();
    TGdiObject* live = table.Objects.Find(HandleValue(Handle));
    if (!live || live->Stock)
        return;
    // Free the object only after the slot is retired, so that a destructor
    // that looks handles up never finds it half-destroyed.
    std::unique_ptr<TGdiObject> object = table.Objects.Remove(HandleValue(Handle));
    --table.Live;
    object.reset();
}

void RetainGdiObject(const void* Handle)
{
    if (TGdiObject* object = FindSelectedGdiObject(Handle))
        ++object->SelectCount;
}

void ReleaseGdiObject(const void* Handle)
{
    TGdiObject* object = FindSelectedGdiObject(Handle);
    if (!object || object->SelectCount == 0)
        return;
    if (--object->SelectCount == 0 && object->DeletePending)
        RemoveGdiObject(Handle);
}

namespace {

constexpr int kStockCount = DEFAULT_BITMAP + 1;

HGDIOBJ& StockHandle(int index)
{
    static HGDIOBJ handles[kStockCount] = {};
    return handles[index];
}

}  // namespace

HGDIOBJ GetStockObject(int Index)
{
    if (Index < 0 || Index >= kStockCount)
        return nullptr;
    HGDIOBJ& handle = StockHandle(Index);
    if (!handle) {
        std::unique_ptr<TGdiObject> object = CreateStockObject(Index);
        if (!object)
            return nullptr;
        object->Stock = true;
        handle = AddGdiObject(std::move(object));
    }
    return handle;
}

void SetStockObject(int Index, std::unique_ptr<TGdiObject> Object)
{
    if (!Object || !GetStockObject(Index))
        return;
    Object->Stock = true;
    THandleTable<TGdiObject>& objects = TheTable().Objects;
    uintptr_t handle = HandleValue(StockHandle(Index));
    Object->SelectCount = objects.Find(handle)->SelectCount;
    // The replaced object is freed while the handle already names the new one.
    objects.Replace(handle, std::move(Object));
}

int GetObjectType(HGDIOBJ Object)
{
    TGdiObject* object = FindGdiObject(Object);
    return object ? object->ObjectType() : 0;
}

bool DeleteObject(HGDIOBJ Object)
{
    TGdiObject* object = FindGdiObject(Object);
    if (!object || object->ObjectType() == OBJ_DC || object->ObjectType() == OBJ_MEMDC)
        return false;
    if (object->Stock)
        return true;
    if (object->SelectCount > 0)
        object->DeletePending = true;
    else
        RemoveGdiObject(Object);
    return true;
}

int GetObject(HGDIOBJ Object, int Size, void* Buffer)
{
    TGdiObject* object = FindGdiObject(Object);
    if (!object || (Buffer && Size <= 0))
        return 0;
    return object->Describe(Size, Buffer);
}

int GdiObjectCount()
{
    return TheTable().Live;
}
