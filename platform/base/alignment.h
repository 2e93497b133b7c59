// How text sits horizontally in its box. The values are the class library's
// stored order.
#pragma once

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
