#include "editor_services/search/syn_regex_subject.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>

#include "editor_services/search/syn_byte_chunks.h"
#include "editor_services/search/syn_regex_lead_texts.h"
#include "platform/base/code_page.h"

namespace {

constexpr char32_t PairedBytesBase = 0xF0000;     // plane 15, private use
constexpr char32_t LoneByteBase = 0x10FF00;       // plane 16, private use
constexpr unsigned char LoneByteUtf8Lead = 0xF4;  // the first UTF-8 byte of U+100000 and above

// Writes C as UTF-8 at Out; answers its length.
size_t EncodeUtf8(char32_t C, char* Out)
{
    if (C < 0x80) {
        Out[0] = static_cast<char>(C);
        return 1;
    }
    if (C < 0x800) {
        Out[0] = static_cast<char>(0xC0 | (C >> 6));
        Out[1] = static_cast<char>(0x80 | (C & 0x3F));
        return 2;
    }
    if (C < 0x10000) {
        Out[0] = static_cast<char>(0xE0 | (C >> 12));
        Out[1] = static_cast<char>(0x80 | ((C >> 6) & 0x3F));
        Out[2] = static_cast<char>(0x80 | (C & 0x3F));
        return 3;
    }
    Out[0] = static_cast<char>(0xF0 | (C >> 18));
    Out[1] = static_cast<char>(0x80 | ((C >> 12) & 0x3F));
    Out[2] = static_cast<char>(0x80 | ((C >> 6) & 0x3F));
    Out[3] = static_cast<char>(0x80 | (C & 0x3F));
    return 4;
}

// How many bytes of the line the converted text Text[From, To) stood for,
// each end at a code point's start: an ASCII byte one, a lead byte two (a
// Chinese character, or two bytes that are no character), F4 one (a lone
// byte), a continuation byte none. Sixteen bytes a step; up to fifteen
// bytes past To are read.
size_t LineBytesOf(const char* Text, size_t From, size_t To)
{
    static constexpr TByteChunk Places = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    size_t total = 0;
    for (; From < To; From += sizeof(TByteChunk)) {
        const TByteChunk chunk = LoadByteChunk(reinterpret_cast<const unsigned char*>(Text) + From);
        const TByteMarks lead = chunk >= 0xC0;
        // Comparisons answer -1 where they hold.
        TByteMarks weights = (chunk == LoneByteUtf8Lead) - (chunk < 0x80) - lead - lead;
        if (To - From < sizeof(TByteChunk))
            weights &= Places < static_cast<unsigned char>(To - From);
        total += SumOfBytes(reinterpret_cast<TByteChunk>(weights));
    }
    return total;
}

// The UTF-8 form of two bytes that start with a lead byte, up to three
// bytes, and how many: 0 for two bytes that are no GBK character, whose
// private-use code point takes four. Indexed by the two bytes as one
// 16-bit load reads them, so that a Chinese character costs a look-up.
struct TPairUtf8 {
    char Bytes[3];
    uint8_t Length;
};
using TPairTable = std::array<TPairUtf8, 0x10000>;

const TPairTable& PairTable()
{
    static const std::unique_ptr<TPairTable> table = [] {
        auto made = std::make_unique<TPairTable>();
        for (unsigned lead = 0x81; lead <= 0xFE; ++lead)
            for (unsigned trail = 0; trail <= 0xFF; ++trail) {
                const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                uint16_t index = 0;
                std::memcpy(&index, pair, sizeof index);
                size_t decoded = 0;
                const char32_t c = DecodeGbkChar(std::string_view(pair, 2), 0, decoded);
                // GBK's characters all lie in the first plane.
                if (decoded == 2 && c < 0x10000)
                    (*made)[index].Length = static_cast<uint8_t>(EncodeUtf8(c, (*made)[index].Bytes));
            }
        return made;
    }();
    return *table;
}

// Writes the UTF-8 form of the two bytes at P, a lead byte and the one
// after it, at Out, with up to three bytes after it that the next write
// replaces; answers its length.
size_t ConvertPair(const unsigned char* P, const TPairTable& Pairs, char* Out)
{
    uint16_t index = 0;
    std::memcpy(&index, P, sizeof index);
    const TPairUtf8& c = Pairs[index];
    std::memcpy(Out, &c, sizeof c);
    return c.Length ? c.Length : EncodeUtf8(PairedBytesBase + (P[0] << 8 | P[1]), Out);
}

// A line is converted in blocks of this many bytes, one bit for each.
constexpr size_t BlockBytes = 64;

// Which bytes of a block are from 0x80, and which of those are lead bytes
// (0x81 to 0xFE).
struct TByteKinds {
    uint64_t High = 0;
    uint64_t Lead = 0;
};

TByteKinds KindsOf(const unsigned char* Block)
{
    TByteKinds kinds;
    for (size_t at = 0; at < BlockBytes; at += sizeof(TByteChunk)) {
        const TByteChunk chunk = LoadByteChunk(Block + at);
        const auto high = chunk >= 0x80;
        kinds.High |= BitsOf(high) << at;
        kinds.Lead |= BitsOf(high & (chunk != 0x80) & (chunk != 0xFF)) << at;
    }
    return kinds;
}

// Of Lead, the lead bytes of a block that are no trail byte of a character
// begun before them, those that start a character. Each run of them
// starts one (the byte before it ends a character), and they pair up from
// there: the bits at an even distance from their run's first start a
// character. A run that starts on an even bit carries an added first bit
// through to its end: what the addition changed marks those runs.
uint64_t LeadStarts(uint64_t Lead)
{
    constexpr uint64_t EvenBits = 0x5555555555555555u;
    const uint64_t runStarts = Lead & ~(Lead << 1);
    const uint64_t evenRuns = ((Lead + (runStarts & EvenBits)) ^ Lead) & Lead;
    return (evenRuns & EvenBits) | (Lead & ~evenRuns & ~EvenBits);
}

// Writes Src[From, To), ASCII, at Out sixteen bytes a step (the last step
// writes past the end and reads past To); answers the end.
char* CopyAscii(char* Out, const unsigned char* Src, size_t From, size_t To)
{
    std::memcpy(Out, Src + From, sizeof(TByteChunk));
    for (size_t at = From + sizeof(TByteChunk); at < To; at += sizeof(TByteChunk))
        std::memcpy(Out + (at - From), Src + at, sizeof(TByteChunk));
    return Out + (To - From);
}

// Lead texts found in a line stand this many bytes apart at least, after
// a block's worth, or they are looked for no further.
constexpr size_t LeadsApart = 8;

// Bytes the converter may write past the end of what it wrote.
constexpr size_t WrittenPast = 2 * sizeof(TByteChunk);

}  // namespace

// Sixty-four bytes a step, their high bits gathered in one test, then
// sixteen, as lines are mostly ASCII runs and some are a megabyte of them.
size_t AsciiPrefixLength(std::string_view Text)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(Text.data());
    const size_t size = Text.size();
    size_t at = 0;
    for (; at + 4 * sizeof(TByteChunk) <= size; at += 4 * sizeof(TByteChunk)) {
        const TByteChunk any = LoadByteChunk(bytes + at) | LoadByteChunk(bytes + at + 16) |
                               LoadByteChunk(bytes + at + 32) | LoadByteChunk(bytes + at + 48);
        if (BitsOf(any >= 0x80))
            break;
    }
    for (; at + sizeof(TByteChunk) <= size; at += sizeof(TByteChunk))
        if (const uint64_t high = BitsOf(LoadByteChunk(bytes + at) >= 0x80))
            return at + static_cast<size_t>(std::countr_zero(high));
    while (at < size && bytes[at] < 0x80)
        ++at;
    return at;
}

std::string GbkToRegexUtf8(std::string_view Text)
{
    TSynRegexSubject subject;
    subject.Assign(Text);
    return std::string(subject.Text());
}

void TSynRegexSubject::Assign(std::string_view Line) { Assign(Line, AsciiPrefixLength(Line)); }

void TSynRegexSubject::Assign(std::string_view Line, size_t AsciiPrefix, const TSynLeadTexts* Leads)
{
    line_ = Line;
    mapped_ = mappedLine_ = 0;
    leads_ = Leads;
    leadsAt_.clear();
    nextLead_ = 0;
    leadsUntil_ = std::string_view::npos;
    const auto* bytes = reinterpret_cast<const unsigned char*>(Line.data());
    const size_t size = Line.size();
    ascii_ = AsciiPrefix == size;
    if (ascii_)
        return;
    // The lead texts are looked for block by block, the ASCII start too.
    const size_t from = Leads ? 0 : AsciiPrefix;
    // Four bytes at most for each byte of the line (a lone byte).
    const size_t room = size * 4 + WrittenPast;
    if (utf8_.size() < room)
        utf8_.resize(room);
    std::memcpy(utf8_.data(), Line.data(), from);
    char* out = utf8_.data() + from;
    // Block by block from the first byte from 0x80: the bytes from 0x80
    // that start a character are found for the whole block at once, and
    // each is converted with the ASCII run before it copied in one step, so
    // that text mixing Chinese and ASCII costs no branch at each change. The
    // last blocks are read from a copy, which holds whole blocks and what
    // the steps read past them.
    static_assert(sizeof tail_ >= 2 * BlockBytes + sizeof(TByteChunk));
    const TPairTable& pairs = PairTable();
    const unsigned char* block = bytes + from;
    size_t blockAt = from;      // in the line
    size_t left = size - from;  // of the line, from the block's start
    size_t written = 0;         // of the block, the bytes written (one past it after a character across its end)
    bool firstIsTrail = false;
    bool inTail = false;
    const TSynLeadTexts* leads = Leads;  // while looked for
    while (true) {
        if (!inTail && left < BlockBytes + sizeof(TByteChunk)) {
            std::memcpy(tail_.data(), block, left);
            // No lead text reads as standing across the line's end.
            std::memset(tail_.data() + left, 0, TSynLeadTexts::MaxLength);
            block = tail_.data();
            inTail = true;
        }
        TByteKinds kinds = KindsOf(block);
        const uint64_t inLine = left < BlockBytes ? (uint64_t{1} << left) - 1 : ~uint64_t{0};
        kinds.High &= inLine;
        kinds.Lead &= inLine;
        const uint64_t trail = firstIsTrail ? 1 : 0;
        uint64_t leadStarts = LeadStarts(kinds.Lead & ~trail);
        if (left <= BlockBytes)
            leadStarts &= ~(uint64_t{1} << (left - 1));  // a lead byte that ends the line stands alone
        firstIsTrail = leadStarts >> (BlockBytes - 1);
        const uint64_t trails = leadStarts << 1 | trail;
        const uint64_t starts = kinds.High & ~trails;
        // The characters that start at Starts, each with the ASCII run
        // before it; where all are double-byte, as mostly, without asking.
        const uint64_t lone = starts & ~leadStarts;
        const auto convert = [&](uint64_t Starts) {
            for (; Starts != 0; Starts &= Starts - 1) {
                const auto at = static_cast<size_t>(std::countr_zero(Starts));
                out = CopyAscii(out, block, written, at);
                if (lone == 0 || (leadStarts >> at & 1)) {
                    out += ConvertPair(block + at, pairs, out);
                    written = at + 2;
                } else {
                    out += EncodeUtf8(LoneByteBase + block[at], out);
                    written = at + 1;
                }
            }
        };
        // A lead text counts only where a character starts: its bytes may
        // stand from a trail byte on.
        const uint64_t leadsHere = leads ? leads->StartsAmong(block, ~trails & inLine) : 0;
        // Those before each place a lead text stands, then where it stands
        // in the text: after the ASCII copied since the last character.
        uint64_t unconverted = starts;
        for (uint64_t places = leadsHere; places != 0; places &= places - 1) {
            const auto at = static_cast<size_t>(std::countr_zero(places));
            const uint64_t before = (uint64_t{1} << at) - 1;
            convert(unconverted & before);
            unconverted &= ~before;
            leadsAt_.push_back({static_cast<size_t>(out - utf8_.data()) + (at - written), blockAt + at});
        }
        convert(unconverted);
        if (left <= BlockBytes) {
            out = CopyAscii(out, block, written, left);
            break;
        }
        if (written < BlockBytes)
            out = CopyAscii(out, block, written, BlockBytes);
        // Where the lead texts stand at nearly every character, pcre2 passes
        // over the text as fast as they are found: they are looked for no
        // further, and LeadFrom answers where they were last looked for.
        if (leads && leadsAt_.size() > (blockAt + BlockBytes - from) / LeadsApart + BlockBytes) {
            leads = nullptr;
            leadsUntil_ = static_cast<size_t>(out - utf8_.data());
        }
        written = written > BlockBytes ? written - BlockBytes : 0;
        block += BlockBytes;
        blockAt += BlockBytes;
        left -= BlockBytes;
    }
    size_ = static_cast<size_t>(out - utf8_.data());
}

size_t TSynRegexSubject::AsciiLeadFrom(size_t Offset) const { return leads_->Find(line_, Offset); }

size_t TSynRegexSubject::LineOffset(size_t Offset)
{
    if (ascii_)
        return Offset;
    Offset = std::min(Offset, size_);
    // The walk starts at the last lead text found if that stands nearer.
    if (nextLead_ < leadsAt_.size()) {
        const TLeadAt& lead = leadsAt_[nextLead_];
        if (lead.Text <= Offset && lead.Text > mapped_) {
            mapped_ = lead.Text;
            mappedLine_ = lead.Line;
        }
    }
    // The sums read up to fifteen bytes past Offset, into the room Assign
    // keeps.
    if (Offset >= mapped_)
        mappedLine_ += LineBytesOf(utf8_.data(), mapped_, Offset);
    else
        mappedLine_ -= LineBytesOf(utf8_.data(), Offset, mapped_);
    mapped_ = Offset;
    return mappedLine_;
}
