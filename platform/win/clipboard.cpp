// The clipboard.
#include "platform/win/clipboard.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/base/code_page.h"
#include "platform/win/input_internal.h"
#include "platform/win/window_class.h"

namespace {

struct TClipboard {
    bool Open = false;
    HWND Opener = nullptr;
    HWND Owner = nullptr;
    // In the order they were set; the clipboard owns every block.
    std::vector<std::pair<UINT, HGLOBAL>> Formats;
    bool Changed = false;    // set since it was opened
    bool External = false;   // another program holds the clipboard
    bool Incomplete = false;  // its text, at the last opening, did not come whole
};

TClipboard& Clipboard()
{
    static TClipboard clipboard;
    return clipboard;
}

void FreeAll(TClipboard& clipboard)
{
    for (auto& [format, data] : clipboard.Formats)
        GlobalFree(data);
    clipboard.Formats.clear();
}

HGLOBAL Find(const TClipboard& clipboard, UINT format)
{
    for (const auto& [f, data] : clipboard.Formats)
        if (f == format)
            return data;
    return nullptr;
}

HGLOBAL BlockOf(const void* bytes, size_t size)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    void* p = GlobalLock(block);
    if (!p) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(p, bytes, size);
    GlobalUnlock(block);
    return block;
}

// The text of a CF_TEXT block, up to its zero byte.
AnsiString TextOf(HGLOBAL block)
{
    const char* p = static_cast<const char*>(GlobalLock(block));
    if (!p)
        return {};
    AnsiString text(p, strnlen(p, GlobalSize(block)));
    GlobalUnlock(block);
    return text;
}

std::u16string Utf16Of(std::u32string_view text)
{
    std::u16string out;
    for (char32_t c : text) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

std::u32string Utf32Of(const char16_t* text, size_t length)
{
    std::u32string out;
    for (size_t i = 0; i < length; ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < length && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        out += c;
    }
    return out;
}

HGLOBAL MakeText(const AnsiString& text)
{
    return BlockOf(text.c_str(), text.size() + 1);
}

HGLOBAL MakeUnicodeText(const AnsiString& text)
{
    std::u16string wide = Utf16Of(GbkToUtf32(text));
    return BlockOf(wide.c_str(), (wide.size() + 1) * sizeof(char16_t));
}

AnsiString TextOfUnicode(HGLOBAL block)
{
    const auto* p = static_cast<const char16_t*>(GlobalLock(block));
    if (!p)
        return {};
    size_t units = GlobalSize(block) / sizeof(char16_t);
    size_t length = std::find(p, p + units, u'\0') - p;
    AnsiString text = Utf32ToGbk(Utf32Of(p, length));
    GlobalUnlock(block);
    return text;
}

// Either text format stands for the other.
UINT TextTwin(UINT format)
{
    if (format == CF_TEXT)
        return CF_UNICODETEXT;
    return format == CF_UNICODETEXT ? UINT{CF_TEXT} : 0;
}

// Another program's text becomes this program's copy while it is open.
void FetchExternal(TClipboard& clipboard)
{
    AnsiString text;
    FreeAll(clipboard);
    const TClipboardFetch fetched = Backend().FetchClipboardText(text);
    // Part of a text is never handed on as if it were all of it.
    clipboard.Incomplete = fetched == TClipboardFetch::Broken;
    if (fetched == TClipboardFetch::Text)
        if (HGLOBAL block = MakeText(text))
            clipboard.Formats.emplace_back(CF_TEXT, block);
}

}  // namespace

bool OpenClipboard(HWND Owner)
{
    TClipboard& clipboard = Clipboard();
    if (clipboard.Open)
        return clipboard.Opener == Owner;
    clipboard.Open = true;
    clipboard.Opener = Owner;
    clipboard.Changed = false;
    clipboard.Incomplete = false;
    if (clipboard.External)
        FetchExternal(clipboard);
    return true;
}

bool CloseClipboard()
{
    TClipboard& clipboard = Clipboard();
    if (!clipboard.Open)
        return false;
    clipboard.Open = false;
    clipboard.Opener = nullptr;
    if (clipboard.Changed)
        Backend().OfferClipboard();
    else if (clipboard.External)
        FreeAll(clipboard);
    return true;
}

bool EmptyClipboard()
{
    TClipboard& clipboard = Clipboard();
    if (!clipboard.Open)
        return false;
    FreeAll(clipboard);
    clipboard.Owner = clipboard.Opener;
    clipboard.External = false;
    clipboard.Changed = true;
    return true;
}

HGLOBAL SetClipboardData(UINT Format, HGLOBAL Data)
{
    TClipboard& clipboard = Clipboard();
    if (!clipboard.Open || !Format || GlobalSize(Data) == 0)
        return nullptr;
    if (clipboard.External) {
        FreeAll(clipboard);
        clipboard.External = false;
    }
    auto it = std::find_if(clipboard.Formats.begin(), clipboard.Formats.end(),
                           [&](const auto& entry) { return entry.first == Format; });
    if (it != clipboard.Formats.end()) {
        if (it->second != Data)
            GlobalFree(it->second);
        it->second = Data;
    } else {
        clipboard.Formats.emplace_back(Format, Data);
    }
    clipboard.Changed = true;
    return Data;
}

HGLOBAL GetClipboardData(UINT Format)
{
    TClipboard& clipboard = Clipboard();
    if (!clipboard.Open)
        return nullptr;
    if (HGLOBAL data = Find(clipboard, Format))
        return data;
    HGLOBAL twin = Find(clipboard, TextTwin(Format));
    if (!twin)
        return nullptr;
    // Made once and kept beside its twin, so the caller never frees it.
    HGLOBAL made = Format == CF_TEXT ? MakeText(TextOfUnicode(twin)) : MakeUnicodeText(TextOf(twin));
    if (made)
        clipboard.Formats.emplace_back(Format, made);
    return made;
}

bool IsClipboardFormatAvailable(UINT Format)
{
    TClipboard& clipboard = Clipboard();
    if (clipboard.External && !clipboard.Open)
        return TextTwin(Format) && Backend().ClipboardOffersText();
    return Find(clipboard, Format) || (TextTwin(Format) && Find(clipboard, TextTwin(Format)));
}

UINT EnumClipboardFormats(UINT Format)
{
    TClipboard& clipboard = Clipboard();
    if (!clipboard.Open)
        return 0;
    std::vector<UINT> formats;
    for (const auto& entry : clipboard.Formats)
        formats.push_back(entry.first);
    for (const auto& entry : clipboard.Formats) {
        UINT twin = TextTwin(entry.first);
        if (twin && std::find(formats.begin(), formats.end(), twin) == formats.end())
            formats.push_back(twin);
    }
    if (Format == 0)
        return formats.empty() ? 0 : formats.front();
    auto it = std::find(formats.begin(), formats.end(), Format);
    return it == formats.end() || it + 1 == formats.end() ? 0 : *(it + 1);
}

int CountClipboardFormats()
{
    TClipboard& clipboard = Clipboard();
    int count = static_cast<int>(clipboard.Formats.size());
    for (const auto& entry : clipboard.Formats)
        if (TextTwin(entry.first) && !Find(clipboard, TextTwin(entry.first)))
            ++count;
    return count;
}

HWND GetClipboardOwner()
{
    const TClipboard& clipboard = Clipboard();
    return clipboard.External ? nullptr : clipboard.Owner;
}

UINT RegisterClipboardFormat(const char* Name)
{
    return RegisterWindowMessage(Name);
}

void ClipboardLost()
{
    TClipboard& clipboard = Clipboard();
    if (clipboard.Open) {
        // A change made since opening wins and is offered again on closing;
        // without one, what is there now is the other program's.
        if (!clipboard.Changed)
            clipboard.External = true;
        return;
    }
    FreeAll(clipboard);
    clipboard.Owner = nullptr;
    clipboard.External = true;
}

bool ClipboardText(AnsiString& Text)
{
    TClipboard& clipboard = Clipboard();
    if (clipboard.External)
        return false;
    if (HGLOBAL text = Find(clipboard, CF_TEXT)) {
        Text = TextOf(text);
        return true;
    }
    if (HGLOBAL unicode = Find(clipboard, CF_UNICODETEXT)) {
        Text = TextOfUnicode(unicode);
        return true;
    }
    return false;
}

bool ClipboardTextIncomplete()
{
    return Clipboard().Incomplete;
}
