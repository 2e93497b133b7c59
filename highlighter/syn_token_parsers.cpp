#include "highlighter/syn_token_parsers.h"

#include "highlighter/syn_range.h"

namespace {

// Whether a match ending at Line[Pos] with Node may be taken. SplitsChar is
// set when Line[Pos] is the lead byte of a double-byte character: a token
// never ends inside a character.
bool IsValidNode(const TSynRange& Range, const TTokenNode& Node, const char* Line, int Start, int Pos,
                 bool SplitsChar)
{
    if (!Node.Token || SplitsChar)
        return false;
    if (Node.RightBreak == kBreakDelimited && !CharInSet(Line[Pos + 1], Range.Delimiters))
        return false;
    switch (Node.Token->StartLine) {
    case kStartLineFirstColumn:
        return Start == 0;
    case kStartLineAfterBlanks:
        for (int i = 0; i < Start; ++i)
            if (Line[i] != ' ' && Line[i] != '\t')
                return false;
        return true;
    default:
        return true;
    }
}

}  // namespace

TParser::TParser(uint8_t FirstChar, uint8_t RightBreak, TSynToken* Token)
    : root_(std::make_unique<TTokenNode>(FirstChar, RightBreak, Token))
{
}

TParser::TParser(TSynSet* Set) { sets_.push_back(Set); }

TParser::~TParser() = default;

void TParser::AddRest(const AnsiString& Rest, TSynToken* Token, uint8_t RightBreak)
{
    TTokenNode* node = root_.get();
    for (char ch : Rest) {
        auto c = static_cast<uint8_t>(ch);
        TTokenNode* child = node->Children.FindNode(c);
        if (!child) {
            child = new TTokenNode(c);
            node->Children.AddNode(child);
        }
        node = child;
    }
    node->Token = Token;
    node->RightBreak = RightBreak;
    node->LeftBreak = Token->LeftBreak;
}

void TParser::AddSet(TSynSet* Set)
{
    // A case-insensitive range reaches one slot from both cases of a letter.
    for (TSynSet* s : sets_)
        if (s == Set)
            return;
    sets_.push_back(Set);
}

bool TParser::GetToken(const TSynRange& Range, const char* Line, TSynToken*& Token, int& Run) const
{
    const int start = Run;
    if (root_) {
        // inTrail: the byte at Run+1 is the trail byte of the character at
        // Run; trail bytes are compared as they are, never case-converted.
        bool inTrail = CharLenAt(Line + start) == 2;
        const TTokenNode* node = root_.get();
        const TTokenNode* best = IsValidNode(Range, *node, Line, start, start, inTrail) ? node : nullptr;
        int bestPos = start;
        while (node->Children.Count() > 0 && Line[Run] != '\0') {
            ++Run;
            auto c = static_cast<uint8_t>(Line[Run]);
            uint8_t key = inTrail ? c : Range.ConvertChar(c);
            inTrail = !inTrail && CharLenAt(Line + Run) == 2;
            const TTokenNode* child = node->Children.FindNode(key);
            if (!child) {
                --Run;
                break;
            }
            node = child;
            if (IsValidNode(Range, *node, Line, start, Run, inTrail)) {
                best = node;
                bestPos = Run;
            }
        }
        if (best) {
            Run = Line[bestPos] == '\0' ? bestPos : bestPos + 1;
            Token = best->Token;
            return true;
        }
    }
    for (TSynSet* set : sets_) {
        if (MatchSet(Range, *set, Line, start, Run)) {
            Token = set->MatchToken();
            return true;
        }
    }
    Run = start + CharLenAt(Line + start);
    return false;
}

bool TParser::MatchSet(const TSynRange& Range, const TSynSet& Set, const char* Line, int Start, int& Run) const
{
    Run = Start;
    if (Line[Run] != '\0')
        Run += CharLenAt(Line + Run);
    while (Line[Run] != '\0' && CharInSet(Line[Run], Set.Symbols))
        Run += CharLenAt(Line + Run);
    if (Set.Quantity != 0 && Set.Quantity != Run - Start)
        return false;
    // The run must end at a delimiter that none of this slot's sets would
    // have continued.
    char next = Line[Run];
    if (!CharInSet(next, Range.Delimiters))
        return false;
    for (const TSynSet* s : sets_)
        if (CharInSet(next, s->Symbols))
            return false;
    return true;
}

bool TDefaultParser::GetToken(const TSynRange&, const char* Line, TSynToken*&, int& Run) const
{
    Run += CharLenAt(Line + Run);
    return false;
}

TDelimitersParser::TDelimitersParser(TSynHighlighterAttributes* Attributes)
    : token_(std::make_unique<TSynToken>(Attributes))
{
}

TDelimitersParser::~TDelimitersParser() = default;

bool TDelimitersParser::GetToken(const TSynRange&, const char* Line, TSynToken*& Token, int& Run) const
{
    if (Line[Run] != '\0')
        Run += CharLenAt(Line + Run);
    Token = token_.get();
    return true;
}
