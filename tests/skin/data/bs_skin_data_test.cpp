#include "skin/data/bs_skin_data.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <unistd.h>

#include "platform/base/exceptions.h"
#include "platform/base/streams.h"
#include "platform/ui/kernel/custom_form.h"
#include "skin/data/bs_resource_str_data.h"
#include "skin/data/bs_skin_data_messages.h"
#include "skin/data/bs_skin_list.h"
#include "skin/data/bs_stored_skin.h"
#include "skin/data/bs_zlib.h"
#include "tests/skin/data/skin_data_fuzz.h"
#include "tests/support/test_data.h"

namespace {

const AnsiString kFolder = TestData("/stored_skin/");

std::string FileBytes(const std::string& Name)
{
    std::ifstream in(Name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Int32(int32_t V)
{
    auto u = static_cast<uint32_t>(V);
    return {char(u), char(u >> 8), char(u >> 16), char(u >> 24)};
}

// A packed stream: main picture, no inactive picture, a mask, Count active
// pictures (each the small button picture) and the INI text.
std::string Packed(const std::string& Ini, int32_t Count = 2, int32_t Version = 3)
{
    const std::string button = FileBytes(kFolder + "button.bmp");
    std::string s = Int32(Version) + '\0' + FileBytes(kFolder + "main.bmp") + '\1' + '\0' +
                    FileBytes(kFolder + "mask.bmp") + Int32(Count);
    for (int i = 0; i < Count; ++i)
        s += button;
    return s + Ini;
}

std::string Deflate(const std::string& Data)
{
    TMemoryStream out;
    ZCompress(Data.data(), static_cast<int64_t>(Data.size()), &out);
    return {static_cast<const char*>(out.Memory()), static_cast<size_t>(out.Size())};
}

void SetCompressed(TbsCompressedStoredSkin& Skin, const std::string& Z)
{
    TMemoryStream stream;
    stream.WriteBuffer(Z.data(), static_cast<int64_t>(Z.size()));
    Skin.ReadCompressedData(&stream);
}

// A skin whose name is Name (GBK), with two object and three control
// descriptions, and a layer frame picture when Layered.
std::string SkinIni(const std::string& Name, bool Layered = false, const std::string& Extra = "")
{
    return "[VERSION]\r\nskinname=" + Name +
           "\r\n"
           "[PICTURES]\r\npicture=main.bmp\r\nmask=mask.bmp\r\nactivepicturescount=2\r\n0=a.bmp\r\n1=b.bmp\r\n"
           "[FORMINFO]\r\nclientrect=4,27,281,206\r\nbgpictureindex=1\r\n"
           "[SKINOBJECTS]\r\ncount=3\r\n0=close:button\r\n1=x:nosuchword\r\n2=title:caption\r\n"
           "[SKINCONTROLS]\r\ncount=3\r\n0=button:button\r\n1=edit:edit\r\n2=button:panel\r\n"
           "[button]\r\npictureindex=1\r\nskinrect=0,0,2,2\r\n"
           "[edit]\r\npictureindex=7\r\n" +
           (Layered ? "[LAYERFRAME]\r\npictureindex=0\r\n" : "") + Extra;
}

std::unique_ptr<TbsCompressedStoredSkin> StoredSkin(const std::string& Packed)
{
    auto skin = std::make_unique<TbsCompressedStoredSkin>(nullptr);
    SetCompressed(*skin, Deflate(Packed));
    return skin;
}

// One message a form heard, with what the skin data said at that moment.
struct THeard {
    std::string Form;
    UINT Msg;
    bool SkinLoading;
    bool Empty;
    bool operator==(const THeard&) const = default;
};

std::vector<THeard> heard;

// A form that logs every skin-data message it receives.
class TRecordingForm : public TForm {
public:
    TRecordingForm(TComponent* AOwner, std::string AName) : TForm(AOwner), name_(std::move(AName)) {}

protected:
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg >= WM_SKINDATA_BEFORECHANGE && Message.Msg <= WM_SKINDATA_AEROBLURCHANGED) {
            auto* data = reinterpret_cast<TbsSkinData*>(Message.WParam);
            EXPECT_EQ(kSkinDataMessageTag, Message.LParam);
            heard.push_back({name_, Message.Msg, data->SkinLoading, data->Empty});
            return;
        }
        TForm::Dispatch(Message);
    }

private:
    std::string name_;
};

// The layered border windows around skinned forms.
class TLayerForm : public TRecordingForm {
public:
    using TRecordingForm::TRecordingForm;

protected:
    void CreateParams(TCreateParams& Params) override
    {
        TRecordingForm::CreateParams(Params);
        Params.WinClassName = "TbsFormLayerWindow";
    }
};

std::vector<THeard> LoadMessages(const std::string& Form)
{
    return {{Form, WM_SKINDATA_BEFORECHANGE, true, true},
            {Form, WM_SKINDATA_CHANGED, true, false},
            {Form, WM_SKINDATA_AFTERCHANGE, false, false}};
}

std::vector<std::string> FormsHearing(UINT Msg)
{
    std::vector<std::string> names;
    for (const THeard& h : heard)
        if (h.Msg == Msg)
            names.push_back(h.Form);
    return names;
}

class SkinDataTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { setenv("TANDRIL_BACKEND", "headless", 1); }
    void SetUp() override { heard.clear(); }
    void TearDown() override { heard.clear(); }
};

}  // namespace

TEST_F(SkinDataTest, LoadingTellsEveryFormAndFillsTheSkin)
{
    TRecordingForm a(nullptr, "a"), b(nullptr, "b");
    TLayerForm layer(nullptr, "layer");
    a.Show();
    b.Show();
    layer.Show();
    TbsSkinData data(nullptr);
    EXPECT_TRUE(data.Empty);
    EXPECT_FALSE(data.SkinLoading);
    EXPECT_EQ(-1, data.BGPictureIndex);

    std::vector<std::string> log;
    data.OnLoadData = TNotifyEvent::FromCallable([&](TObject* Sender) {
        EXPECT_EQ(&data, Sender);
        EXPECT_TRUE(FormsHearing(WM_SKINDATA_CHANGED).empty());
        log.push_back("loaded");
    });
    auto stored = StoredSkin(Packed(SkinIni("\xD5\x66\xE9\x54")));
    data.SetCompressedStoredSkin(stored.get());
    // b is on top of a; the layer window hears nothing.
    std::vector<THeard> expected;
    for (int step = 0; step < 3; ++step)
        for (const char* form : {"b", "a"})
            expected.push_back(LoadMessages(form)[step]);
    EXPECT_EQ(expected, heard);
    EXPECT_EQ(std::vector<std::string>{"loaded"}, log);

    EXPECT_FALSE(data.Empty);
    EXPECT_EQ("\xD5\x66\xE9\x54", data.SkinName);
    EXPECT_EQ("mask.bmp", data.MaskFileName);
    EXPECT_EQ(5, data.Picture->Width());
    EXPECT_TRUE(data.InactivePicture->Empty());
    EXPECT_EQ(5, data.Mask->Width());
    ASSERT_EQ(2u, data.ActivePictures.size());
    EXPECT_EQ(2, data.ActivePictureNames->Count());
    EXPECT_EQ(1, data.BGPictureIndex);
    // Unknown type words are skipped; names keep their case.
    ASSERT_EQ(2u, data.ObjectList.size());
    EXPECT_EQ(1, data.FindObjectDescription("title"));
    ASSERT_EQ(3u, data.ControlList.size());
    EXPECT_EQ(0, data.FindControlDescription("button"));
    EXPECT_EQ(-1, data.FindControlDescription("Button"));
    EXPECT_EQ(-1, data.FindControlDescription("x"));
    EXPECT_EQ(1, data.ControlList[0]->PictureIndex);
    // Index 7 names no picture of two.
    EXPECT_EQ(-1, data.ControlList[1]->PictureIndex);

    // The same skin again: the same messages and the same lists.
    heard.clear();
    data.LoadStoredSkin(stored.get());
    EXPECT_EQ(expected, heard);
    EXPECT_EQ(0, data.FindControlDescription("button"));
    EXPECT_EQ(1, data.FindControlDescription("edit"));
    EXPECT_EQ(2u, data.ObjectList.size());

    // An empty stored skin changes nothing and tells no one.
    heard.clear();
    TbsCompressedStoredSkin empty(nullptr);
    data.LoadStoredSkin(&empty);
    EXPECT_TRUE(heard.empty());
    EXPECT_EQ(3u, data.ControlList.size());

    // The stored skin going away is let go of; the skin stays.
    stored.reset();
    EXPECT_EQ(nullptr, data.CompressedStoredSkin());
    EXPECT_FALSE(data.Empty);
}

TEST_F(SkinDataTest, OrderOfTheFormsAndPropertyMessages)
{
    TRecordingForm owner(nullptr, "owner");
    TRecordingForm a(nullptr, "a");
    TLayerForm layer(nullptr, "layer");
    owner.Show();
    a.Show();
    layer.Show();
    auto* data = new TbsSkinData(&owner);
    auto plain = StoredSkin(Packed(SkinIni("plain")));
    auto layered = StoredSkin(Packed(SkinIni("layered", true)));

    // Without layered borders the owner form hears first, though a is on top.
    data->SetShowLayeredBorders(false);
    EXPECT_EQ((std::vector<std::string>{"owner", "a"}), FormsHearing(WM_SKINDATA_LAYEREDBORDERSCHANGED));
    heard.clear();
    data->LoadStoredSkin(plain.get());
    EXPECT_EQ((std::vector<std::string>{"owner", "a"}), FormsHearing(WM_SKINDATA_BEFORECHANGE));

    // With layered borders and a layer frame picture in the skin of the
    // moment: bottom to top, the owner in its place. Without the picture:
    // top to bottom. 1225 goes out while the old skin is still in place.
    data->SetShowLayeredBorders(true);
    heard.clear();
    data->LoadStoredSkin(layered.get());
    EXPECT_EQ(0, data->LayerFrame.PictureIndex);
    EXPECT_EQ((std::vector<std::string>{"a", "owner"}), FormsHearing(WM_SKINDATA_BEFORECHANGE));
    EXPECT_EQ((std::vector<std::string>{"owner", "a"}), FormsHearing(WM_SKINDATA_CHANGED));
    EXPECT_EQ((std::vector<std::string>{"owner", "a"}), FormsHearing(WM_SKINDATA_AFTERCHANGE));
    heard.clear();
    data->LoadStoredSkin(plain.get());
    EXPECT_EQ((std::vector<std::string>{"owner", "a"}), FormsHearing(WM_SKINDATA_BEFORECHANGE));
    EXPECT_EQ((std::vector<std::string>{"a", "owner"}), FormsHearing(WM_SKINDATA_AFTERCHANGE));

    // Switches tell the forms only when they change; captions every time.
    heard.clear();
    data->SetShowLayeredBorders(true);
    data->SetSkinnableForm(true);
    data->SetAeroBlurEnabled(true);
    EXPECT_TRUE(heard.empty());
    data->SetSkinnableForm(false);
    data->SetAeroBlurEnabled(false);
    TbsResourceStrData captions(nullptr);
    data->SetResourceStrData(&captions);
    data->SetResourceStrData(&captions);
    EXPECT_EQ((std::vector<std::string>{"a", "owner"}), FormsHearing(WM_SKINDATA_SKINNABLEFORMCHANGED));
    EXPECT_EQ(2u, FormsHearing(WM_SKINDATA_AEROBLURCHANGED).size());
    EXPECT_EQ(4u, FormsHearing(WM_SKINDATA_RESSTRCHANGED).size());
    EXPECT_EQ(8u, heard.size());

    // While designed nothing is sent and nothing loads.
    heard.clear();
    data->SetDesigning(true);
    data->SetSkinnableForm(true);
    data->SetResourceStrData(nullptr);
    data->SetCompressedStoredSkin(layered.get());
    EXPECT_TRUE(heard.empty());
    EXPECT_EQ("plain", data->SkinName);
}

TEST_F(SkinDataTest, SkinListAndIndex)
{
    TbsCompressedSkinList list(nullptr);
    for (const char* name : {"zero", "one", "two"})
        SetCompressed(*static_cast<TbsSkinListItem*>(list.Skins()->Add())->StoredSkin(),
                      Deflate(Packed(SkinIni(name))));
    TbsSkinData data(nullptr);
    data.SetSkinIndex(7);  // no list yet: only stored
    EXPECT_EQ(7, data.SkinIndex());
    data.SetSkinList(&list);
    EXPECT_TRUE(data.Empty);
    data.SetSkinIndex(1);
    EXPECT_EQ("one", data.SkinName);
    data.SetSkinIndex(5);
    EXPECT_EQ(1, data.SkinIndex());
    data.SetSkinIndex(2);
    EXPECT_EQ("two", data.SkinName);
    data.SetSkinList(nullptr);
    data.SetSkinList(&list);
    EXPECT_EQ("two", data.SkinName);
}

TEST_F(SkinDataTest, FormInfoGeometry)
{
    auto read = [](const std::string& Text, bool HasMask) {
        TStringList lines;
        lines.SetText(Text);
        TMemIniFile ini("");
        ini.SetStrings(&lines);
        TbsFormInfo info;
        info.LoadFromFile(&ini, HasMask);
        return info;
    };
    TbsFormInfo none = read("", true);
    EXPECT_EQ(-1, none.BGPictureIndex);
    EXPECT_EQ(-1, none.MDIBGPictureIndex);
    EXPECT_EQ(stfull, none.StretchType);
    EXPECT_EQ(iebrightness, none.InActiveEffect);

    const std::string form = "[FORMINFO]\nclientrect=4,27,281,206\nlefttoppoint=2,3\nrightbottompoint=300,220\n"
                             "righttoppoint=290,1\nhittestlefttoppoint=0,6\nbgpictureindex=-5\n"
                             "inactiveeffect=blur\nstretchtype=sthorz\n";
    TbsFormInfo masked = read(form, true);
    EXPECT_EQ((TRect{4, 27, 281, 206}), masked.MaskRectArea);
    EXPECT_EQ((TPoint{2, 6}), masked.HitTestLeftTopPoint);
    EXPECT_EQ((TPoint{290, 1}), masked.HitTestRightTopPoint);
    EXPECT_EQ((TPoint{4, 27}), masked.LeftTopPoint);
    EXPECT_EQ((TPoint{281, 27}), masked.RightTopPoint);
    EXPECT_EQ((TPoint{281, 206}), masked.RightBottomPoint);
    EXPECT_EQ(-1, masked.BGPictureIndex);
    EXPECT_EQ(iegrayscale, masked.InActiveEffect);
    EXPECT_EQ(sthorz, masked.StretchType);
    TbsFormInfo widened = read(form + "maskrectarea=0,30,300,100\n", true);
    EXPECT_EQ((TRect{0, 27, 300, 206}), widened.MaskRectArea);
    TbsFormInfo unmasked = read(form + "maskrectarea=0,30,300,100\n", false);
    EXPECT_EQ((TRect{0, 30, 300, 100}), unmasked.MaskRectArea);
    EXPECT_EQ((TPoint{0, 6}), unmasked.HitTestLeftTopPoint);
    // Corners equal on one axis are left where they are.
    EXPECT_EQ((TPoint{2, 3}), read("[FORMINFO]\nclientrect=4,27,281,206\nlefttoppoint=2,3\n"
                                   "rightbottompoint=2,220\n",
                                   false)
                                  .LeftTopPoint);
}

TEST_F(SkinDataTest, DamagedSkinsKeepTheOldSkinAndLeaveNoLoadHalfDone)
{
    TRecordingForm form(nullptr, "f");
    form.Show();
    TbsSkinData data(nullptr);
    auto good = StoredSkin(Packed(SkinIni("good")));
    data.LoadStoredSkin(good.get());

    std::string z = Deflate(Packed(SkinIni("bad")));
    auto refused = [&](const char* What, const std::function<void()>& Load) {
        heard.clear();
        EXPECT_THROW(Load(), Exception) << What;
        EXPECT_FALSE(data.SkinLoading) << What;
        EXPECT_FALSE(data.Empty) << What;
        EXPECT_EQ("good", data.SkinName) << What;
        EXPECT_EQ(3u, data.ControlList.size()) << What;
        EXPECT_TRUE(heard.empty()) << What;
    };
    auto stored = [&](const std::string& Compressed) {
        return [&data, Compressed] {
            TbsCompressedStoredSkin skin(nullptr);
            SetCompressed(skin, Compressed);
            data.LoadStoredSkin(&skin);
        };
    };
    auto skinFile = [&](const std::string& Bytes) {
        return [&data, Bytes] {
            char name[] = "/tmp/skin_data_XXXXXX";
            int fd = mkstemp(name);
            ASSERT_GE(fd, 0);
            close(fd);
            std::ofstream(name, std::ios::binary) << Bytes;
            struct Remove {
                const char* Name;
                ~Remove() { std::remove(Name); }
            } remove{name};
            data.LoadFromCompressedFile(name);
        };
    };
    refused("n past the file", skinFile(Int32(3) + Int32(int32_t(z.size()) + 1) + z));
    refused("negative n", skinFile(Int32(3) + Int32(-8) + z));
    refused("truncated zlib", stored(z.substr(0, z.size() - 9)));
    refused("cut zlib in a skin file", skinFile(Int32(3) + Int32(int32_t(z.size() / 2)) + z.substr(0, z.size() / 2)));
    refused("version 4 inside", stored(Deflate(Packed(SkinIni("v4"), 2, 4))));
    refused("millions of pictures", stored(Deflate(Packed(SkinIni("many"), 0).replace(4 + 1 + 102 + 1 + 1 + 102, 4,
                                                                                     Int32(50000000)))));
    std::string lying = Packed(SkinIni("lying"));
    lying[4 + 1 + 2] = '\x7F';  // the main picture's file size
    refused("a BMP with a lying size", stored(Deflate(lying)));
    lying[4 + 1 + 5] = '\x7F';
    refused("a BMP claiming 2 GB", stored(Deflate(lying)));
    std::string flood = SkinIni("flood");
    for (int i = 0; i < kMaxSkinIniLines; ++i)
        flood += "k=v\r\n";
    refused("a flood of INI lines", stored(Deflate(Packed(flood))));
    refused("a malformed rectangle", stored(Deflate(Packed(SkinIni("rect", false, "[edit]\r\nskinrect=1,2\r\n")))));

    // A huge object count is bounded by the entries present.
    heard.clear();
    std::string countedIni = SkinIni("counted");
    countedIni.replace(countedIni.find("count=3"), 7, "count=2147483647");
    auto counted = StoredSkin(Packed(countedIni));
    data.LoadStoredSkin(counted.get());
    EXPECT_EQ(LoadMessages("f"), heard);
    EXPECT_EQ(2u, data.ObjectList.size());

    // From an empty skin data a damaged skin leaves it empty.
    TbsSkinData fresh(nullptr);
    heard.clear();
    TbsCompressedStoredSkin cut(nullptr);
    SetCompressed(cut, z.substr(0, 20));
    EXPECT_THROW(fresh.LoadStoredSkin(&cut), EZDecompressionError);
    EXPECT_TRUE(fresh.Empty);
    EXPECT_FALSE(fresh.SkinLoading);
    EXPECT_TRUE(heard.empty());

    // Memory running out is a load failure like any other, caught as an
    // Exception by callers; here it strikes after the forms were told.
    heard.clear();
    data.OnLoadData = TNotifyEvent::FromCallable([](TObject*) { throw std::bad_alloc(); });
    EXPECT_THROW(data.LoadStoredSkin(good.get()), ESkinOutOfMemory);
    EXPECT_EQ(LoadMessages("f"), heard);
    EXPECT_FALSE(data.SkinLoading);
    EXPECT_FALSE(data.Empty);

    // An error of OnLoadData comes after the forms heard the whole change.
    heard.clear();
    data.OnLoadData = TNotifyEvent::FromCallable([](TObject*) { throw EReadError("handler failed"); });
    EXPECT_THROW(data.LoadStoredSkin(good.get()), EReadError);
    EXPECT_EQ(LoadMessages("f"), heard);
    EXPECT_FALSE(data.SkinLoading);
    EXPECT_FALSE(data.Empty);
    EXPECT_EQ("good", data.SkinName);
}

TEST_F(SkinDataTest, SkinFoldersFilesAndTheFuzzCorpus)
{
    TbsSkinData data(nullptr);
    data.LoadFromFile(kFolder + "skin.ini");
    EXPECT_EQ("\xD5\x66\xE9\x54 test", data.SkinName);
    EXPECT_EQ(2u, data.ActivePictures.size());
    EXPECT_EQ((TRect{1, 1, 4, 2}), data.MaskRectArea);

    TbsCompressedStoredSkin stored(nullptr);
    stored.LoadFromSkinIni(kFolder + "skin.ini");
    TMemoryStream file;
    stored.SaveToSkinStream(&file);
    const std::string skn(static_cast<const char*>(file.Memory()), static_cast<size_t>(file.Size()));
    const std::string packed = Packed(SkinIni("fuzz", true, "[edit]\r\nskinrect=1,2,3,4\r\n"));

    auto fuzz = [](const std::string& s) {
        return FuzzSkinDataLoader(reinterpret_cast<const uint8_t*>(s.data()), s.size());
    };
    EXPECT_EQ(1, fuzz(skn));
    EXPECT_EQ(2, fuzz(packed));
    for (size_t cut = 0; cut < packed.size(); cut += 11)
        EXPECT_NO_THROW(fuzz(packed.substr(0, cut))) << cut;
    for (const std::string& good : {packed, skn})
        for (size_t at = 0; at < good.size(); at += 3) {
            std::string bad = good;
            bad[at] = static_cast<char>(bad[at] ^ 0x5A);
            EXPECT_NO_THROW(fuzz(bad)) << at;
        }
    for (const auto& entry : std::filesystem::directory_iterator(TestData("/stored_skin_corpus")))
        EXPECT_EQ(0, fuzz(FileBytes(entry.path().string())) & 1) << entry.path();
}
