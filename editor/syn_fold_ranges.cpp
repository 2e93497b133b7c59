#include "editor/syn_fold_ranges.h"

TSynTextAllFoldRanges::~TSynTextAllFoldRanges() = default;
