#include "tests/skin/data/mask_region_fuzz.h"

#include <algorithm>

#include "platform/base/exceptions.h"
#include "platform/base/streams.h"
#include "platform/gdi/regions.h"
#include "platform/ui/graphics/canvas.h"
#include "skin/data/bs_masks.h"

namespace {

void Check(bool Holds, const char* What)
{
    if (!Holds)
        throw EAssertionFailed(What);
}

}  // namespace

int FuzzMaskToRegion(const uint8_t* Data, size_t Size)
{
    TBitmap mask;
    try {
        TMemoryStream stream;
        stream.Write(Data, int64_t(Size));
        stream.Seek(0, soBeginning);
        mask.LoadFromStream(&stream);
    } catch (const Exception&) {
        return 0;
    }
    if (mask.Empty()) {
        Check(GetRegionDataFromBitmap(&mask, 0, 0).empty() && !CreateRegionFromBitmap(&mask),
              "An empty mask gave a region");
        return 1;
    }
    int w = mask.Width();
    int h = mask.Height();
    if (int64_t(w) * h > 1 << 20)
        return 0;

    // Every black pixel and no other is in the region, one rectangle per run.
    HRGN region = CreateRegionFromBitmap(&mask);
    bool ok = region != nullptr;
    size_t runs = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            bool black = mask.Canvas()->Pixels(x, y) == 0;
            runs += black && (x == 0 || mask.Canvas()->Pixels(x - 1, y) != 0);
            ok = ok && PtInRegion(region, x, y) == black;
        }
    DeleteObject(region);
    Check(ok, "The mask's region differs from its black pixels");
    Check(GetRegionDataFromBitmap(&mask, 3, 4).size() == 32 + 16 * runs, "The region data has a rectangle per run");

    // A window region laid out with corner points from the file's last bytes
    // stays inside the window and holds the client.
    auto byte = [&](size_t i) { return int(Data[Size - 1 - i % Size]); };
    TRect cl{w / 3, h / 3, w - w / 3, h - h / 3};
    TPoint lt{byte(0) % (w + 1), byte(1) % (h + 1)};
    TPoint rt{std::max(lt.X, byte(2) % (w + 1)), byte(3) % (h + 1)};
    TPoint lb{byte(4) % (w + 1), std::max(lt.Y, byte(5) % (h + 1))};
    TPoint rb{byte(6) % (w + 1), byte(7) % (h + 1)};
    int dx = w + byte(8) % 7;
    int dy = h + byte(9) % 5;
    TRect newCl{cl.Left, cl.Top, cl.Right + dx, cl.Bottom + dy};
    HRGN window = CreateSkinRegion(lt, rt, lb, rb, cl, lt, {rt.X + dx, rt.Y}, {lb.X, lb.Y + dy},
                                   {rb.X + dx, rb.Y + dy}, newCl, &mask, w + dx, h + dy);
    TRect box;
    ok = window && GetRgnBox(window, &box) != ERROR && box.Left >= 0 && box.Top >= 0 && box.Right <= w + dx &&
         box.Bottom <= h + dy && PtInRegion(window, newCl.Left, newCl.Top) &&
         PtInRegion(window, newCl.Right - 1, newCl.Bottom - 1);
    DeleteObject(window);
    Check(ok, "The window region leaves the window or misses the client");
    return 1;
}
