// The date conversions: any day number either converts or raises the conversion error, and any
// text either parses or is refused; what converts comes back the same way.

#include "platform/SysUtils.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void Check(bool Ok) {
    if (!Ok) std::abort();
}

void FromNumber(double Date) {
    try {
        int y = 0, m = 0, d = 0;
        DecodeDate(Date, y, m, d);
        Check(EncodeDate(y, m, d) == std::floor(Date));
        const QString text = DateToStr(Date);
        TDateTime back = 0;
        Check(TryStrToDate(text, back) && back == std::floor(Date));
        const int w = DayOfWeek(Date);
        Check(w >= 1 && w <= 7);
        (void)DateTimeToStr(Date);
        (void)IncMonth(Date, int(std::fmod(Date, 1000.0)));
    } catch (const EConvertError&) {
    }
}

void FromText(const QString& Text) {
    TDateTime date = 0;
    if (TryStrToDate(Text, date)) {
        TDateTime back = 0;
        Check(TryStrToDate(DateToStr(date), back) && back == date);
    }
    if (TryStrToDateTime(Text, date)) {
        TDateTime back = 0;
        Check(TryStrToDateTime(DateTimeToStr(date), back) &&
              std::fabs(back - date) < 1.2e-5); // shown to the second
    }
    int value = 0;
    if (TryStrToInt(Text, value)) Check(StrToInt(IntToStr(value)) == value);
    try {
        (void)StrToDate(Text);
    } catch (const EConvertError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    if (Size >= sizeof(double)) {
        double d = 0;
        std::memcpy(&d, Data, sizeof d);
        FromNumber(d);
    }
    FromText(QString::fromUtf8(reinterpret_cast<const char*>(Data), qsizetype(Size)));
    return 0;
}
