#include "skin/data/bs_skin_object_factory.h"

#include <array>

#include "skin/data/bs_skin_text_objects.h"

namespace {

template <typename T>
std::unique_ptr<TbsDataSkinObject> Make(const AnsiString& IDName)
{
    return std::make_unique<T>(IDName);
}

struct TObjectClass {
    const char* TypeWord;
    std::unique_ptr<TbsDataSkinObject> (*Create)(const AnsiString& IDName);
};

constexpr std::array<TObjectClass, 8> kObjectClasses{{
    {"menuitem", &Make<TbsDataSkinMenuItem>},
    {"mainmenubaritem", &Make<TbsDataSkinMainMenuBarItem>},
    {"stdbutton", &Make<TbsDataSkinStdButton>},
    {"mainmenubarbutton", &Make<TbsDataSkinMainMenuBarButton>},
    {"button", &Make<TbsDataSkinButton>},
    {"caption", &Make<TbsDataSkinCaption>},
    {"animate", &Make<TbsDataSkinAnimate>},
    {"userobject", &Make<TbsDataUserObject>},
}};

}  // namespace

std::unique_ptr<TbsDataSkinObject> CreateSkinObject(const AnsiString& TypeWord, const AnsiString& IDName)
{
    for (const TObjectClass& objectClass : kObjectClasses)
        if (TypeWord == objectClass.TypeWord)
            return objectClass.Create(IDName);
    return nullptr;
}
