#include "editor/highlighting/syn_highlighter.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "editor/highlighting/highlighter_enum.h"
#include "editor/highlighting/syn_highlighter_list.h"
#include "platform/base/code_page.h"
#include "platform/base/exceptions.h"
#include "platform/base/ini_files.h"
#include "tests/platform/base/temp_folder.h"

// Identifiers, blank runs, one-character symbols and {comments} that may
// span lines; double-byte characters are scanned as units.
class TSynTestSyn : public TSynCustomHighlighter {
public:
    explicit TSynTestSyn(TComponent* AOwner)
        : TSynCustomHighlighter(AOwner),
          comment_(Add("Comment")),
          ident_(Add("Identifier")),
          space_(Add("Space")),
          symbol_(Add("Symbol"))
    {
    }
    TSynHighlighterAttributes* GetDefaultAttribute(int Index) const override
    {
        return Index == kDefaultAttrComment ? comment_ : Index == kDefaultAttrWhitespace ? space_ : nullptr;
    }
    AnsiString GetSampleSource() const override { return sample_; }
    void SetSampleSource(const AnsiString& Value) override { sample_ = Value; }
    bool GetEol() const override { return eol_; }
    void* GetRange() const override { return inComment_ ? comment_ : nullptr; }
    AnsiString GetToken() const override { return line_.substr(tokenPos_, run_ - tokenPos_); }
    TSynHighlighterAttributes* GetTokenAttribute() const override { return tokenAttr_; }
    int GetTokenKind() const override { return tokenAttr_ == ident_ ? 1 : 0; }
    int GetTokenPos() const override { return static_cast<int>(tokenPos_); }
    void SetLine(const AnsiString& NewValue, int) override
    {
        line_ = NewValue;
        run_ = 0;
        eol_ = false;
        Next();
    }
    void SetRange(void* Value) override { inComment_ = Value != nullptr; }
    void ResetRange() override { inComment_ = false; }
    void Next() override
    {
        tokenPos_ = run_;
        if (run_ >= line_.size()) {
            eol_ = true;
            return;
        }
        auto advance = [this] { run_ += CharLengthAt(line_, run_); };
        char c = line_[run_];
        if (inComment_ || c == '{') {
            if (!inComment_)
                ++run_;
            inComment_ = true;
            while (run_ < line_.size() && inComment_) {
                inComment_ = CharLengthAt(line_, run_) == 2 || line_[run_] != '}';
                advance();
            }
            tokenAttr_ = comment_;
        } else if (c == ' ') {
            while (run_ < line_.size() && line_[run_] == ' ')
                ++run_;
            tokenAttr_ = space_;
        } else if (CharInSet(c, WordBreakChars())) {
            ++run_;
            tokenAttr_ = symbol_;
        } else {
            while (run_ < line_.size() && (CharLengthAt(line_, run_) == 2 || !CharInSet(line_[run_], WordBreakChars())))
                advance();
            tokenAttr_ = ident_;
        }
    }

    TSynHighlighterAttributes* const comment_;
    TSynHighlighterAttributes* const ident_;
    TSynHighlighterAttributes* const space_;
    TSynHighlighterAttributes* const symbol_;

private:
    TSynHighlighterAttributes* Add(const char* Name)
    {
        auto* attr = new TSynHighlighterAttributes(Name);
        attr->OnChange =
            TNotifyEvent(static_cast<TSynCustomHighlighter*>(this), &TSynCustomHighlighter::HighlightChanged);
        AddAttribute(attr);
        return attr;
    }

    AnsiString line_, sample_;
    size_t run_ = 0, tokenPos_ = 0;
    bool eol_ = true, inComment_ = false;
    TSynHighlighterAttributes* tokenAttr_ = nullptr;
};

namespace {

using Tokens = std::vector<std::pair<int, AnsiString>>;

Tokens Tokenize(TSynTestSyn& hl, const AnsiString& line, std::vector<TSynHighlighterAttributes*>* attrs = nullptr)
{
    Tokens tokens;
    for (hl.SetLine(line, 0); !hl.GetEol(); hl.Next()) {
        tokens.emplace_back(hl.GetTokenPos(), hl.GetToken());
        if (attrs)
            attrs->push_back(hl.GetTokenAttribute());
    }
    return tokens;
}

TEST(SynHighlighter, TokenizesDoubleByteTextAndCarriesRangesAcrossLines)
{
    TSynTestSyn hl(nullptr);
    std::vector<TSynHighlighterAttributes*> attrs;
    // 乗 ends in '\\' (a word break) and \x81\x7D in '}': neither may split or close a token.
    EXPECT_EQ(Tokenize(hl, "a乗b  {說\x81\x7D}門+x", &attrs),
              (Tokens{{0, "a乗b"}, {4, "  "}, {6, "{說\x81\x7D}"}, {12, "門"}, {14, "+"}, {15, "x"}}));
    EXPECT_EQ(attrs, (std::vector<TSynHighlighterAttributes*>{hl.ident_, hl.space_, hl.comment_, hl.ident_,
                                                               hl.symbol_, hl.ident_}));
    EXPECT_EQ(hl.GetRange(), nullptr);

    EXPECT_EQ(Tokenize(hl, "x {說"), (Tokens{{0, "x"}, {1, " "}, {2, "{說"}}));
    void* range = hl.GetRange();
    ASSERT_NE(range, nullptr);
    hl.ResetRange();
    EXPECT_EQ(Tokenize(hl, "門}y"), (Tokens{{0, "門"}, {2, "}"}, {3, "y"}}));
    hl.SetRange(range);
    attrs.clear();
    EXPECT_EQ(Tokenize(hl, "門}y", &attrs), (Tokens{{0, "門}"}, {3, "y"}}));
    EXPECT_EQ(attrs.front(), hl.GetDefaultAttribute(kDefaultAttrComment));
}

TEST(SynHighlighter, BaseDefaultsAttributeListAndFilter)
{
    TSynTestSyn hl(nullptr);
    EXPECT_EQ(hl.GetLanguageName(), "<Unknown>");
    EXPECT_EQ(hl.GetFriendlyLanguageName(), "<Unknown>");
    EXPECT_EQ(hl.GetCapabilities(), 2u);
    EXPECT_EQ(hl.GetIdentChars().count(), 223u);
    EXPECT_FALSE(hl.GetIdentChars().test(' '));
    EXPECT_EQ(hl.WordBreakChars().count(), 23u);
    for (char c : AnsiString(" !\"'()*+,-./:;=?[\\]^{|}"))
        EXPECT_TRUE(CharInSet(c, hl.WordBreakChars())) << c;
    for (char c : AnsiString("_<>09aZ#$"))
        EXPECT_FALSE(CharInSet(c, hl.WordBreakChars())) << c;
    // A colour of none is streamed, a black one (the default) is not.
    EXPECT_EQ(hl.space_->Background(), clNone);
    EXPECT_TRUE(hl.space_->IsBackgroundStored());
    EXPECT_FALSE(hl.space_->IsStyleStored());
    hl.space_->SetBackground(clBlack);
    EXPECT_FALSE(hl.space_->IsBackgroundStored());

    ASSERT_EQ(hl.GetAttribCount(), 4);
    EXPECT_EQ(hl.GetAttribute(0), hl.comment_);
    EXPECT_EQ(hl.GetAttribute(3), hl.symbol_);
    EXPECT_EQ(hl.GetAttribute(4), nullptr);
    auto* extra = new TSynHighlighterAttributes("A-first");
    hl.AddAttribute(extra);
    EXPECT_EQ(hl.GetAttribute(0), extra);
    TSynHighlighterAttributes twin("Space");
    EXPECT_THROW(hl.AddAttribute(&twin), EStringListError);

    EXPECT_FALSE(hl.MatchesFilter("a.txt"));
    hl.SetDefaultFilter(" Text files (*.txt)|*.TXT ");
    EXPECT_TRUE(hl.MatchesFilter("/doc/README.TXT"));
    hl.SetDefaultFilter("Pascal|*.pas;*.inc");
    EXPECT_TRUE(hl.MatchesFilter("a.INC"));
    EXPECT_TRUE(hl.MatchesFilter("說門.pas"));
    EXPECT_FALSE(hl.MatchesFilter("a.in"));
    EXPECT_FALSE(hl.MatchesFilter("inc"));
}

TEST(SynHighlighter, ChangeNoticesAndUpdateBrackets)
{
    TSynTestSyn hl(nullptr);
    std::vector<TObject*> notices;
    auto listener = TNotifyEvent::FromCallable([&](TObject* sender) { notices.push_back(sender); });
    hl.AddChangeListener(listener);

    hl.comment_->SetForeground(clRed);
    hl.comment_->SetForeground(clRed);
    EXPECT_EQ(notices, std::vector<TObject*>{hl.comment_});

    // Assign copies only what differs and reports once.
    TSynHighlighterAttributes same("Comment");
    same.SetForeground(clRed);
    hl.comment_->Assign(&same);
    EXPECT_EQ(notices.size(), 1u);
    TSynHighlighterAttributes other("Other");
    other.SetForeground(clBlue);
    other.SetStyle({fsBold});
    hl.space_->Assign(&other);
    EXPECT_EQ(notices.size(), 2u);
    EXPECT_EQ(hl.space_->Name(), "Other");

    notices.clear();
    hl.BeginUpdate();
    hl.BeginUpdate();
    hl.ident_->SetStyle({fsItalic});
    hl.symbol_->SetBackground(clYellow);
    hl.EndUpdate();
    EXPECT_TRUE(notices.empty());
    hl.EndUpdate();
    EXPECT_EQ(notices, std::vector<TObject*>{nullptr});

    hl.SetEnabled(true);
    EXPECT_EQ(notices.size(), 1u);
    hl.SetEnabled(false);
    EXPECT_EQ(notices.size(), 2u);

    // While loading nothing is told; Loaded tells once.
    notices.clear();
    hl.BeginLoading();
    hl.ident_->SetForeground(clGreen);
    EXPECT_TRUE(notices.empty());
    hl.Loaded();
    EXPECT_EQ(notices.size(), 1u);

    hl.RemoveChangeListener(listener);
    hl.ident_->SetForeground(clNavy);
    EXPECT_EQ(notices.size(), 1u);
}

TEST(SynHighlighter, AssignCopiesAttributesByNameAndSettings)
{
    TSynTestSyn source(nullptr), dest(nullptr);
    source.comment_->SetForeground(clGreen);
    source.comment_->SetStyle({fsItalic, fsStrikeOut});
    source.SetSampleSource("{說門}");
    source.SetDefaultFilter("Test|*.tst");
    source.SetWordBreakChars(CharSetOf(" ,"));
    source.SetEnabled(false);
    dest.Assign(&source);
    EXPECT_EQ(dest.comment_->Foreground(), clGreen);
    EXPECT_EQ(dest.comment_->Style(), (TFontStyles{fsItalic, fsStrikeOut}));
    EXPECT_EQ(dest.GetSampleSource(), "{說門}");
    EXPECT_EQ(dest.GetDefaultFilter(), "Test|*.tst");
    EXPECT_EQ(dest.WordBreakChars(), CharSetOf(" ,"));
    EXPECT_FALSE(dest.Enabled());
}

class SynHighlighterStorage : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        TRegistry::SetStorageFileName(Folder() + "registry.ini");
    }
    void TearDown() override
    {
        TRegistry::SetStorageFileName("");
        TempFolderTest::TearDown();
    }
};

TEST_F(SynHighlighterStorage, IniFileRoundTripByteForByte)
{
    TSynTestSyn hl(nullptr);
    hl.comment_->SetForeground(clRed);
    hl.comment_->SetStyle({fsBold, fsItalic});
    hl.ident_->SetBackground(clWindow);
    hl.ident_->SetForeground(clBlack);
    const AnsiString name = Folder() + "colors.ini";
    ASSERT_TRUE(hl.SaveToFile(name));
    const AnsiString expected =
        "[Comment]\nBackground=536870911\nForeground=255\nStyle=3\n\n"
        "[Identifier]\nBackground=-16777211\nForeground=0\nStyle=0\n\n"
        "[Space]\nBackground=536870911\nForeground=536870911\nStyle=0\n\n"
        "[Symbol]\nBackground=536870911\nForeground=536870911\nStyle=0\n";
    EXPECT_EQ(ReadBytes(name), expected);

    TSynTestSyn copy(nullptr);
    ASSERT_TRUE(copy.LoadFromFile(name));
    EXPECT_EQ(copy.comment_->Style(), (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(copy.ident_->Background(), clWindow);
    EXPECT_EQ(copy.ident_->Foreground(), clBlack);
    const AnsiString again = Folder() + "again.ini";
    ASSERT_TRUE(copy.SaveToFile(again));
    EXPECT_EQ(ReadBytes(again), expected);

    // A missing section fails and changes nothing; a lone Style sets the style only.
    WriteBytes(name, "[Comment]\r\nstyle=5\r\n");
    TSynTestSyn partial(nullptr);
    EXPECT_FALSE(partial.LoadFromFile(name));
    EXPECT_EQ(partial.comment_->Style(), (TFontStyles{fsBold, fsUnderline}));
    EXPECT_EQ(partial.comment_->Foreground(), clNone);
    TMemIniFile ini(name);
    EXPECT_FALSE(partial.ident_->LoadFromIniFile(ini));
}

TEST_F(SynHighlighterStorage, RegistryRoundTripAndBadValues)
{
    const AnsiString key = "Software\\Tandril\\說門";
    TSynTestSyn hl(nullptr);
    EXPECT_FALSE(hl.LoadFromRegistry(HKEY_CURRENT_USER, key));
    hl.symbol_->SetForeground(clMaroon);
    hl.symbol_->SetStyle({fsStrikeOut});
    ASSERT_TRUE(hl.SaveToRegistry(HKEY_CURRENT_USER, key));
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKeyReadOnly(key + "\\Symbol"));
        EXPECT_EQ(reg.ReadInteger("Style"), 8);
        EXPECT_EQ(reg.ReadInteger("Foreground"), 0x80);
        EXPECT_EQ(reg.ReadInteger("Background"), clNone);
    }
    TRegistry::SetStorageFileName(Folder() + "registry.ini");  // read back from the file
    TSynTestSyn copy(nullptr);
    ASSERT_TRUE(copy.LoadFromRegistry(HKEY_CURRENT_USER, key));
    EXPECT_EQ(copy.symbol_->Style(), TFontStyles{fsStrikeOut});
    EXPECT_EQ(copy.symbol_->Foreground(), clMaroon);

    // A value of the wrong type fails the load of its attribute and keeps the
    // attribute as it was; the registry object stays on its key.
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(key + "\\Space", false));
        reg.WriteString("Style", "bold");
        reg.WriteInteger("Foreground", 0x8000);
        ASSERT_TRUE(reg.OpenKeyReadOnly("\\" + key));
        TSynTestSyn bad(nullptr);
        EXPECT_FALSE(bad.space_->LoadFromRegistry(reg));
        EXPECT_EQ(bad.space_->Foreground(), clNone);
        EXPECT_EQ(reg.CurrentPath(), key);
        EXPECT_FALSE(bad.LoadFromRegistry(HKEY_CURRENT_USER, key));
        EXPECT_EQ(bad.symbol_->Foreground(), clMaroon);
    }
}

TEST_F(SynHighlighterStorage, ForeignLayoutsReadOrFailWithoutRaising)
{
    const AnsiString key = "Software\\Other\\Colors";
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(key, true));
        reg.WriteString("Comment", "x,y,BU,0,1,9,junk");
        reg.WriteString("Keyword", "x,y,I,0,0,9,junk");
        reg.WriteString("Short", "x,y,I,1,0");
        ASSERT_TRUE(reg.OpenKey("\\" + key + "\\Comment", true));
        reg.WriteInteger("Foreground Color", 12);
        reg.WriteString("Background Color New", "clYellow");
        for (auto [name, value] : {std::pair{"Bold", "1"}, {"Italic", "false"}, {"Underline", "0"},
                                   {"Default Foreground", "0"}, {"Default Background", "FALSE"}})
            reg.WriteString(name, value);
        ASSERT_TRUE(reg.OpenKey("\\" + key + "\\Keyword", true));
        reg.WriteString("Foreground Color New", "purplish");
        reg.WriteString("Background Color New", "$00FF00");
    }
    TSynHighlighterAttributes attr("Mine");
    ASSERT_TRUE(attr.LoadFromForeignRegistry(HKEY_CURRENT_USER, key, "Comment", true));
    EXPECT_EQ(attr.Background(), clWindow);
    EXPECT_EQ(attr.Foreground(), 0x0000FF);
    EXPECT_EQ(attr.Style(), (TFontStyles{fsBold, fsUnderline}));
    EXPECT_FALSE(attr.LoadFromForeignRegistry(HKEY_CURRENT_USER, key, "Keyword", true));
    EXPECT_FALSE(attr.LoadFromForeignRegistry(HKEY_CURRENT_USER, key, "Absent", true));
    EXPECT_FALSE(attr.LoadFromForeignRegistry(HKEY_CURRENT_USER, key, "Short", true));
    EXPECT_EQ(attr.Background(), clWindow);

    ASSERT_TRUE(attr.LoadFromForeignRegistry(HKEY_CURRENT_USER, key, "Comment", false));
    EXPECT_EQ(attr.Foreground(), 0xFF0000);
    EXPECT_EQ(attr.Background(), clYellow);
    EXPECT_EQ(attr.Style(), TFontStyles{fsBold});
    EXPECT_FALSE(attr.LoadFromForeignRegistry(HKEY_CURRENT_USER, key, "Keyword", false));
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(key + "\\Comment", false));
        reg.WriteInteger("Foreground Color", 16);
    }
    EXPECT_FALSE(attr.LoadFromForeignRegistry(HKEY_CURRENT_USER, key, "Comment", false));
    EXPECT_EQ(attr.Foreground(), 0xFF0000);
}

TEST(HighlighterEnum, UniqueNamesOrdinalsAndClassList)
{
    TSynTestSyn first(nullptr), second(nullptr);
    std::vector<AnsiString> names;
    auto collect = [&](TSynCustomHighlighter*, TSynHighlighterAttributes*, const AnsiString& name) {
        names.push_back(name);
        return true;
    };
    ASSERT_TRUE(EnumHighlighterAttributes(&first, true, collect));
    EXPECT_EQ(names, (std::vector<AnsiString>{"Test1.Comment", "Test1.Identifier", "Test1.Space", "Test1.Symbol"}));

    std::vector<TSynCustomHighlighter*> visited;
    names.clear();
    EXPECT_TRUE(EnumHighlighterAttributes(&first, true, collect, visited));
    EXPECT_TRUE(EnumHighlighterAttributes(&second, true, collect, visited));
    EXPECT_EQ(names.size(), 8u);
    EXPECT_EQ(names[4], "Test2.Comment");
    names.clear();
    EXPECT_TRUE(EnumHighlighterAttributes(&first, true, collect, visited));
    EXPECT_TRUE(names.empty());
    EXPECT_TRUE(EnumHighlighterAttributes(&second, false, collect, visited));
    EXPECT_EQ(names.front(), "Test2.Comment");
    EXPECT_EQ(HighlighterOrdinal(&second, visited), 2);
    EXPECT_EQ(HighlighterOrdinal(&second, {}), 1);

    int calls = 0;
    EXPECT_FALSE(EnumHighlighterAttributes(&first, false, [&](auto...) { return ++calls < 2; }));
    EXPECT_EQ(calls, 2);
    EXPECT_FALSE(EnumHighlighterAttributes(nullptr, false, collect));
    EXPECT_FALSE(EnumHighlighterAttributes(&first, false, TEnumHighlighterAttributesProc()));

    TSynHighlighterList& list = GetPlaceableHighlighters();
    int before = list.Count();
    RegisterHighlighterClass(HighlighterClassOf<TSynTestSyn>());
    RegisterHighlighterClass(HighlighterClassOf<TSynTestSyn>());
    ASSERT_EQ(list.Count(), before + 1);
    TSynCustomHighlighterClass cls = list.Items(list.FindByClass(HighlighterClassOf<TSynTestSyn>()));
    ASSERT_NE(cls, nullptr);
    TComponent owner(nullptr);
    TSynCustomHighlighter* made = cls->Create(&owner);
    EXPECT_TRUE(Is<TSynTestSyn>(made));
    EXPECT_EQ(made->Owner(), &owner);
    EXPECT_EQ(list.Items(list.Count()), nullptr);
}

}  // namespace
