#include "platform/ui/kernel/shortcuts.h"

#include <string_view>

#include "platform/base/code_page.h"
#include "platform/base/sys_utils.h"
#include "platform/ui/kernel/message_records.h"
#include "platform/win/virtual_keys.h"
#include "platform/win/win_messages.h"

namespace {

constexpr const char* ShiftText = "Shift+";
constexpr const char* CtrlText = "Ctrl+";
constexpr const char* AltText = "Alt+";

struct TKeyName {
    WORD Key;
    const char* Name;
};

constexpr TKeyName KeyNames[] = {
    {VK_BACK, "BkSp"},        {VK_TAB, "Tab"},          {VK_RETURN, "Enter"},     {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"},      {VK_PRIOR, "PgUp"},       {VK_NEXT, "PgDn"},        {VK_END, "End"},
    {VK_HOME, "Home"},        {VK_LEFT, "Left"},        {VK_UP, "Up"},            {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},        {VK_INSERT, "Ins"},       {VK_DELETE, "Del"},       {VK_MULTIPLY, "Num *"},
    {VK_ADD, "Num +"},        {VK_SUBTRACT, "Num -"},   {VK_DECIMAL, "Num Del"},  {VK_DIVIDE, "Num /"},
    {VK_OEM_1, ";"},          {VK_OEM_PLUS, "="},       {VK_OEM_COMMA, ","},      {VK_OEM_MINUS, "-"},
    {VK_OEM_PERIOD, "."},     {VK_OEM_2, "/"},          {VK_OEM_3, "`"},          {VK_OEM_4, "["},
    {VK_OEM_5, "\\"},         {VK_OEM_6, "]"},          {VK_OEM_7, "'"},
};

AnsiString KeyName(WORD key)
{
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return AnsiString(1, static_cast<char>(key));
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9)
        return AnsiString(1, static_cast<char>('0' + key - VK_NUMPAD0));
    if (key >= VK_F1 && key <= VK_F24)
        return "F" + IntToStr(key - VK_F1 + 1);
    for (const TKeyName& name : KeyNames)
        if (name.Key == key)
            return name.Name;
    return {};
}

// Takes Front off the start of Text when Text starts with it in any case.
bool TakeFront(std::string_view& text, std::string_view front)
{
    if (text.size() < front.size() || !SameText(text.substr(0, front.size()), front))
        return false;
    text.remove_prefix(front.size());
    return true;
}

}  // namespace

TShortCut ShortCut(WORD Key, TShiftState Shift)
{
    if (Key & 0xFF00)
        return 0;
    TShortCut result = Key;
    if (Shift.Contains(ssShift))
        result |= scShift;
    if (Shift.Contains(ssCtrl))
        result |= scCtrl;
    if (Shift.Contains(ssAlt))
        result |= scAlt;
    return result;
}

void ShortCutToKey(TShortCut ShortCut, WORD& Key, TShiftState& Shift)
{
    Key = ShortCut & ~(scShift | scCtrl | scAlt);
    Shift = {};
    if (ShortCut & scShift)
        Shift.Include(ssShift);
    if (ShortCut & scCtrl)
        Shift.Include(ssCtrl);
    if (ShortCut & scAlt)
        Shift.Include(ssAlt);
}

TShortCut KeyMessageShortCut(const TMessage& Message)
{
    if (Message.Msg != WM_KEYDOWN && Message.Msg != WM_SYSKEYDOWN)
        return scNone;
    return ShortCut(static_cast<WORD>(Message.WParam), KeyDataToShiftState(Message.LParam));
}

AnsiString ShortCutToText(TShortCut ShortCut)
{
    WORD key = ShortCut & ~(scShift | scCtrl | scAlt);
    AnsiString name = key <= 0xFF ? KeyName(key) : AnsiString();
    if (name.empty())
        return {};
    AnsiString text;
    if (ShortCut & scShift)
        text += ShiftText;
    if (ShortCut & scCtrl)
        text += CtrlText;
    if (ShortCut & scAlt)
        text += AltText;
    return text + name;
}

TShortCut TextToShortCut(const AnsiString& Text)
{
    std::string_view text = Text;
    TShortCut shift = 0;
    for (;;) {
        if (TakeFront(text, ShiftText))
            shift |= scShift;
        else if (TakeFront(text, "^") || TakeFront(text, CtrlText))
            shift |= scCtrl;
        else if (TakeFront(text, AltText))
            shift |= scAlt;
        else
            break;
    }
    if (text.empty())
        return 0;
    for (WORD key = VK_BACK; key <= 0xFF; ++key)
        if (SameText(KeyName(key), text))
            return key | shift;
    return 0;
}
