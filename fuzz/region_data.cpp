// The stored region data of the image-shaped form: any bytes must give a region, none, or a
// read error; a region read must write back data that reads as the same area.

#include "platform/Graphics.h"
#include "platform/Regions.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const QByteArray bytes(reinterpret_cast<const char*>(Data), qsizetype(Size));
    std::unique_ptr<TRegion> region;
    try {
        region = TRegion::CreateFromData(bytes);
    } catch (const EReadError&) {
        return 0;
    }
    if (!region) return 0;
    const QByteArray written = region->Data();
    if (written.size() != region->DataSize()) std::abort();
    std::unique_ptr<TRegion> again = TRegion::CreateFromData(written);
    if (!again || !(*again == *region) || again->Data() != written) std::abort();
    // The bounds cover every rectangle.
    const TRect b = region->BoundsRect();
    for (const TRect& r : region->Rects())
        if (r.Left < b.Left || r.Top < b.Top || r.Right > b.Right || r.Bottom > b.Bottom)
            std::abort();
    return 0;
}
