#include "res/menus/MoreOptionsMenus.h"

#include "res/ResourceIds.h"

namespace {

constexpr winport::MenuTemplateItem kOwnerItems[] = {
    {ID_OWNER_SAVE_VCARD, "&Save as Vcard"},
    {ID_OWNER_UNLIST, "&Unlist"},
    {ID_OWNER_PUBLICIZE, "&Publicize my details in Web-directories"},
};
constexpr winport::MenuTemplateItem kContactItems[] = {
    {ID_CONTACT_SAVE_VCARD, "&Save as Vcard"},
    {ID_CONTACT_WHITE_PAGES, "&White Pages"},
};
constexpr winport::MenuTemplateItem kOwnerBar[] = {{0, "MORE", 0, kOwnerItems}};
constexpr winport::MenuTemplateItem kContactBar[] = {{0, "MORE", 0, kContactItems}};

}  // namespace

winport::MenuTemplate OwnerMoreOptionsMenu() {
    return {IDR_OWNER_MORE_MENU, kOwnerBar};
}

winport::MenuTemplate ContactMoreOptionsMenu() {
    return {IDR_CONTACT_MORE_MENU, kContactBar};
}
