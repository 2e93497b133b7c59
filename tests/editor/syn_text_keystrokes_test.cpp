#include "editor/syn_text_keystrokes.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/win/virtual_keys.h"

namespace {

// The shipped bindings as (shortcut, command) numbers.
const std::vector<std::pair<int, int>> DefaultBindings = {
    {38, 3},       {8230, 103},   {16422, 211},  {40, 4},       {8232, 104},   {16424, 212},  {37, 1},
    {8229, 101},   {16421, 5},    {24613, 105},  {39, 2},       {8231, 102},   {16423, 6},    {24615, 106},
    {34, 10},      {8226, 110},   {16418, 14},   {24610, 114},  {33, 9},       {8225, 109},   {16417, 13},
    {24609, 113},  {36, 7},       {8228, 107},   {16420, 15},   {24612, 115},  {35, 8},       {8227, 108},
    {16419, 16},   {24611, 116},  {45, 223},     {16429, 201},  {8238, 603},   {8237, 604},   {46, 502},
    {8, 501},      {8200, 501},   {16392, 504},  {32776, 601},  {40968, 602},  {13, 509},     {8205, 509},
    {9, 612},      {8201, 613},   {112, 490},    {16449, 199},  {16451, 201},  {16470, 604},  {16472, 603},
    {24649, 610},  {24661, 611},  {16461, 509},  {16462, 510},  {16468, 503},  {16473, 507},  {24665, 506},
    {16474, 601},  {24666, 602},  {16432, 301},  {16433, 302},  {16434, 303},  {16435, 304},  {16436, 305},
    {16437, 306},  {16438, 307},  {16439, 308},  {16440, 309},  {16441, 310},  {24624, 351},  {24625, 352},
    {24626, 353},  {24627, 354},  {24628, 355},  {24629, 356},  {24630, 357},  {24631, 358},  {24632, 359},
    {24633, 360},  {24654, 231},  {24643, 232},  {24652, 233},  {24642, 250},
};

TSynTextKeyStroke* AddSequence(TSynTextKeyStrokes& keys, TShortCut first, TShortCut second,
                               TSynTextEditorCommand command)
{
    // The second key first: the first alone may already be bound.
    TSynTextKeyStroke* item = keys.Add();
    item->SetShortCut2(second);
    item->SetShortCut(first);
    item->Command = command;
    return item;
}

}  // namespace

TEST(SynTextCommands, IdentifiersAndTexts)
{
    // Exactly 101 numbers have identifiers, and each one reads back.
    int named = 0;
    for (int command = 0; command <= 0xFFFF; ++command) {
        AnsiString ident;
        if (!CommandToIdent(command, ident))
            continue;
        ++named;
        int back = -1;
        EXPECT_TRUE(IdentToCommand(ident, back));
        EXPECT_EQ(back, command) << ident;
    }
    EXPECT_EQ(named, 101);

    int command = 0;
    EXPECT_TRUE(IdentToCommand("ECSELGOTOXY", command));
    EXPECT_EQ(command, 117);
    EXPECT_FALSE(IdentToCommand("ecFoldAll", command));
    EXPECT_EQ(CommandToText(ecSetMarker9), "ecSetMarker9");
    EXPECT_EQ(CommandToText(ecUserFirst), "ecUserFirst");
    EXPECT_EQ(CommandToText(480), "480");
}

TEST(SynTextKeyStrokes, DefaultSetAndLookups)
{
    TSynTextKeyStrokes keys(nullptr);
    keys.Add()->Command = ecChar;
    keys.ResetToDefaults();
    std::vector<std::pair<int, int>> bindings;
    for (int i = 0; i < keys.Count(); ++i) {
        EXPECT_EQ(keys.Items(i)->ShortCut2(), 0);
        bindings.emplace_back(keys.Items(i)->ShortCut(), keys.Items(i)->Command);
    }
    EXPECT_EQ(bindings, DefaultBindings);
    EXPECT_THROW(keys.Items(82), EListError);

    EXPECT_EQ(keys.Items(keys.FindKey(VK_BACK, {ssShift}))->Command, ecDeleteLastChar);
    EXPECT_EQ(keys.Items(keys.FindKey(VK_BACK, {ssShift, ssAlt}))->Command, ecRedo);
    EXPECT_EQ(keys.FindKey(VK_BACK, {ssCtrl, ssAlt}), -1);
    EXPECT_EQ(keys.FindShortCutPair(16451, 0), 46);

    // A sequence that starts with a bound key: FindKey sees only the key
    // alone, FindKeyPair only the sequence.
    AddSequence(keys, ShortCut('C', {ssCtrl}), ShortCut('K', {ssCtrl}), ecCommentBlock);
    EXPECT_EQ(keys.FindKey('C', {ssCtrl}), 46);
    EXPECT_EQ(keys.FindKeyPair('C', {ssCtrl}, 'K', {ssCtrl}), 82);
    EXPECT_EQ(keys.FindShortCutPair(16451, ShortCut('K', {ssCtrl})), 82);

    EXPECT_EQ(keys.Items(0)->DisplayName(), "ecUp - Up ");
    EXPECT_EQ(keys.Items(82)->DisplayName(), "ecCommentBlock - Ctrl+C Ctrl+K");
    TSynTextKeyStroke* bare = keys.Add();
    bare->Command = 1500;
    EXPECT_EQ(bare->DisplayName(), "1500 - ");
}

TEST(SynTextKeyStrokes, SettersRefuseDuplicatesAndAssignDoesNot)
{
    TSynTextKeyStrokes keys(nullptr);
    keys.ResetToDefaults();
    TSynTextKeyStroke* up = keys.Items(0);
    try {
        up->SetShortCut(ShortCut('C', {ssCtrl}));
        FAIL();
    } catch (const ESynKeyError& e) {
        EXPECT_EQ(e.Message(), "Shortcut already exists");
    }
    EXPECT_EQ(up->ShortCut(), VK_UP);

    TSynTextKeyStroke* copy = keys.Items(46);
    copy->SetShortCut(ShortCut('C', {ssCtrl}));  // its own pair
    up->SetShortCut(ShortCut('C', {ssCtrl, ssAlt}));
    EXPECT_EQ(up->Key, 'C');
    EXPECT_EQ(up->Shift, (TShiftState{ssCtrl, ssAlt}));

    // A second key makes a new pair; the same pair twice is refused.
    up->SetShortCut(0);  // zero is never checked
    up->SetShortCut2(ShortCut('K', {ssCtrl}));
    up->SetShortCut(16451);
    EXPECT_EQ(up->ShortCut2(), ShortCut('K', {ssCtrl}));
    EXPECT_THROW(copy->SetShortCut2(ShortCut('K', {ssCtrl})), ESynKeyError);
    EXPECT_EQ(copy->Key2, 0);

    // Assign copies keys and command even where that makes a duplicate.
    keys.Items(2)->Assign(copy);
    EXPECT_EQ(keys.Items(2)->ShortCut(), 16451);
    EXPECT_EQ(keys.Items(2)->Command, ecCopy);
    TSynTextKeyStrokes other(nullptr);
    other.Assign(&keys);
    EXPECT_TRUE(CollectionsEqual(&keys, &other));
}

TEST(SynTextKeyStrokes, TranslateKeysAndSequences)
{
    TSynTextKeyStrokes keys(nullptr);
    keys.ResetToDefaults();
    AddSequence(keys, ShortCut('Q', {ssCtrl}), ShortCut('X', {ssCtrl}), ecUserFirst + 1);
    AddSequence(keys, ShortCut(VK_F5, {}), ShortCut(VK_RETURN, {}), ecUserFirst + 2);
    TSynTextPendingKey pending;

    EXPECT_EQ(TranslateKey(keys, VK_LEFT, {ssCtrl, ssShift}, pending), ecSelWordLeft);
    EXPECT_EQ(TranslateKey(keys, 'Q', {ssCtrl}, pending), ecNone);
    EXPECT_EQ(pending.Key, 'Q');
    EXPECT_EQ(TranslateKey(keys, 'X', {ssCtrl}, pending), ecUserFirst + 1);
    EXPECT_EQ(pending.Key, 0);
    EXPECT_EQ(pending.Shift, TShiftState{});

    // Without the first key, the second is just itself.
    EXPECT_EQ(TranslateKey(keys, 'X', {ssCtrl}, pending), ecCut);
    EXPECT_EQ(TranslateKey(keys, VK_F5, {}, pending), ecNone);
    EXPECT_EQ(TranslateKey(keys, VK_RETURN, {}, pending), ecUserFirst + 2);
    EXPECT_EQ(TranslateKey(keys, VK_RETURN, {}, pending), ecLineBreak);

    // A pending key that the next key does not complete is dropped; the
    // next unbound key waits in its place, but Escape never waits.
    TranslateKey(keys, 'Q', {ssCtrl}, pending);
    EXPECT_EQ(TranslateKey(keys, 'W', {ssCtrl}, pending), ecNone);
    EXPECT_EQ(pending.Key, 'W');
    EXPECT_EQ(TranslateKey(keys, 'X', {ssCtrl}, pending), ecCut);
    EXPECT_EQ(TranslateKey(keys, VK_ESCAPE, {}, pending), ecNone);
    EXPECT_EQ(pending.Key, 0);
    TranslateKey(keys, VK_SCROLL, {}, pending);
    EXPECT_EQ(pending.Key, VK_SCROLL);
    TranslateKey(keys, VK_LSHIFT, {}, pending);
    EXPECT_EQ(pending.Key, 0);
}
