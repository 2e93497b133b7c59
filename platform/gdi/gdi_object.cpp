#include "platform/gdi/gdi_object.h"

#include <vector>

#include "platform/gdi/stock_objects.h"

namespace {

// A handle is (generation << 32) | (slot + 1); a slot's generation grows
// each time its object is removed, which retires every old handle to it.
struct Slot {
    std::unique_ptr<TGdiObject> Object;
    uint32_t Generation = 1;
};

struct Table {
    std::vector<Slot> Slots;
    std::vector<uint32_t> Free;
    int Live = 0;  // objects other than stock ones
};

static_assert(sizeof(uintptr_t) == 8, "handles pack a slot and a generation into 64 bits");

Table& TheTable()
{
    static Table table;
    return table;
}

uintptr_t MakeHandle(uint32_t index, uint32_t generation)
{
    return (static_cast<uintptr_t>(generation) << 32) | (index + 1u);
}

Slot* SlotOf(const void* handle)
{
    uintptr_t value = reinterpret_cast<uintptr_t>(handle);
    uint32_t low = static_cast<uint32_t>(value);
    if (low == 0)
        return nullptr;
    Table& table = TheTable();
    if (low - 1 >= table.Slots.size())
        return nullptr;
    Slot& slot = table.Slots[low - 1];
    if (!slot.Object || slot.Generation != static_cast<uint32_t>(value >> 32))
        return nullptr;
    return &slot;
}

}  // namespace

int TGdiObject::Describe(int, void*) const
{
    return 0;
}

HGDIOBJ AddGdiObject(std::unique_ptr<TGdiObject> Object)
{
    Table& table = TheTable();
    uint32_t index;
    if (!table.Free.empty()) {
        index = table.Free.back();
        table.Free.pop_back();
    } else {
        index = static_cast<uint32_t>(table.Slots.size());
        table.Slots.emplace_back();
    }
    Slot& slot = table.Slots[index];
    if (!Object->Stock)
        ++table.Live;
    slot.Object = std::move(Object);
    return reinterpret_cast<HGDIOBJ>(MakeHandle(index, slot.Generation));
}

TGdiObject* FindSelectedGdiObject(const void* Handle)
{
    Slot* slot = SlotOf(Handle);
    return slot ? slot->Object.get() : nullptr;
}

TGdiObject* FindGdiObject(const void* Handle)
{
    TGdiObject* object = FindSelectedGdiObject(Handle);
    return object && !object->DeletePending ? object : nullptr;
}

void RemoveGdiObject(const void* Handle)
{
    Slot* slot = SlotOf(Handle);
    if (!slot || slot->Object->Stock)
        return;
    Table& table = TheTable();
    // Free the object only after the slot is retired, so that a destructor
    // that looks handles up never finds it half-destroyed.
    std::unique_ptr<TGdiObject> object = std::move(slot->Object);
    ++slot->Generation;
    table.Free.push_back(static_cast<uint32_t>(slot - table.Slots.data()));
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
    Slot* slot = SlotOf(StockHandle(Index));
    Object->SelectCount = slot->Object->SelectCount;
    slot->Object = std::move(Object);
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
