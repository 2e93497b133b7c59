#include "skins/program_strings.h"

#include "skin/data/bs_resource_str_data.h"

namespace {

struct TProgramString {
    const char* Name;
    const char* Text;
};

// GBK once compiled, as the captions list holds its texts.
const TProgramString kProgramStrings[] = {
    {"MI_MINCAPTION", "最小化(&I)"},
    {"MI_MAXCAPTION", "最大化(&X)"},
    {"MI_CLOSECAPTION", "关闭(&C)"},
    {"MI_RESTORECAPTION", "还原(&R)"},
    {"MI_MINTOTRAYCAPTION", "最小化到托盘(&T)"},
    {"MI_ROLLUPCAPTION", "卷起(&L)"},
    {"MINBUTTON_HINT", "最小化"},
    {"MAXBUTTON_HINT", "最大化"},
    {"CLOSEBUTTON_HINT", "关闭"},
    {"TRAYBUTTON_HINT", "最小化到托盘"},
    {"ROLLUPBUTTON_HINT", "卷起"},
    {"MENUBUTTON_HINT", "系统菜单"},
    {"RESTORE_HINT", "还原"},
    {"EDIT_UNDO", "撤销"},
    {"EDIT_COPY", "复制"},
    {"EDIT_CUT", "剪切"},
    {"EDIT_PASTE", "粘贴"},
    {"EDIT_DELETE", "删除"},
    {"EDIT_SELECTALL", "全选"},
};

}  // namespace

void FillProgramStrings(TbsResourceStrData& Data)
{
    for (const TProgramString& s : kProgramStrings)
        Data.ResStrings()->SetValues(s.Name, s.Text);
}
