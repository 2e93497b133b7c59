#include "editor/view/syn_count_tree.h"

#include <bit>
#include <cstddef>

void TSynCountTree::Build(const std::vector<int>& Counts)
{
    const size_t size = Counts.size();
    tree_.assign(size + 1, 0);
    for (size_t i = 1; i <= size; ++i) {
        tree_[i] += Counts[i - 1];
        const size_t parent = i + (i & -i);
        if (parent <= size)
            tree_[parent] += tree_[i];
    }
}

void TSynCountTree::Add(int Index, int Delta)
{
    const size_t size = tree_.size() - 1;
    for (size_t i = static_cast<size_t>(Index) + 1; i <= size; i += i & -i)
        tree_[i] += Delta;
}

int TSynCountTree::Prefix(int Index) const
{
    int sum = 0;
    for (size_t i = static_cast<size_t>(Index); i > 0; i -= i & -i)
        sum += tree_[i];
    return sum;
}

TSynCountTree::TPlace TSynCountTree::Find(int Unit) const
{
    // Descend by powers of two, passing every entry that ends at or before Unit.
    const size_t size = tree_.size() - 1;
    size_t index = 0;
    for (size_t step = std::bit_floor(size); step > 0; step >>= 1) {
        if (index + step <= size && tree_[index + step] <= Unit) {
            index += step;
            Unit -= tree_[index];
        }
    }
    return {static_cast<int>(index), Unit};
}
