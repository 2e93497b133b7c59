// Text measured piece by piece between its tabs.
#include "platform/ui/textedit/tabbed_text.h"

#include <algorithm>
#include <vector>

#include "platform/gdi/text_measure.h"

int MeasureTabbedText(HDC DC, std::string_view Text, int X, int TabWidth, int* Ends)
{
    std::vector<int> dx;
    for (size_t at = 0; at < Text.size();) {
        if (Text[at] == '\t') {
            X = (X / TabWidth + 1) * TabWidth;
            Ends[at++] = X;
            continue;
        }
        const size_t end = std::min(Text.find('\t', at), Text.size());
        const int count = static_cast<int>(end - at);
        dx.resize(static_cast<size_t>(count));
        TSize size;
        GetTextExtentExPoint(DC, Text.data() + at, count, 0, nullptr, dx.data(), &size);
        for (int i = 0; i < count; ++i)
            Ends[at + static_cast<size_t>(i)] = X + dx[static_cast<size_t>(i)];
        X += dx.back();
        at = end;
    }
    return X;
}
