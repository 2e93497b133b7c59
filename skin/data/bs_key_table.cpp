#include "skin/data/bs_key_table.h"

#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"

std::vector<size_t> BsKeySaveOrder(const std::vector<AnsiString>& Names, const std::vector<AnsiString>& After)
{
    size_t count = Names.size();
    for (size_t i = 0; i < count; ++i) {
        bool found = After[i].empty();
        for (size_t j = 0; j < count && !found; ++j)
            found = SameText(After[i], Names[j]);
        if (!found)
            throw EAssertionFailed("Key \"" + Names[i] + "\" is to be written after \"" + After[i] +
                                   "\", which is not in its table");
    }

    std::vector<size_t> order;
    std::vector<bool> placed(count, false);
    // Places key Index, then every key that is to follow it.
    auto place = [&](auto& self, size_t Index) -> void {
        placed[Index] = true;
        order.push_back(Index);
        for (size_t j = 0; j < count; ++j)
            if (!placed[j] && !After[j].empty() && SameText(After[j], Names[Index]))
                self(self, j);
    };
    for (size_t i = 0; i < count; ++i)
        if (!placed[i] && After[i].empty())
            place(place, i);
    if (order.size() != count)
        throw EAssertionFailed("Keys of a table are to be written after one another in a loop");
    return order;
}
