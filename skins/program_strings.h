// The program's Chinese texts for what the skinned components show of their
// own: the window menu's captions, the caption buttons' hints and the edit
// boxes' context menu.
#pragma once

class TbsResourceStrData;

// Sets the window menu (MI_...), caption button hint (..._HINT) and edit
// menu (EDIT_...) texts of Data to the program's Chinese ones; every other
// line of Data stays as it was.
void FillProgramStrings(TbsResourceStrData& Data);
