#include "res/menus/EmailMenus.h"

#include "res/ResourceIds.h"

namespace {

constexpr winport::MenuTemplateItem kCopyAndSend[] = {
    {ID_COPY_EMAIL_ADDRESS, "Copy Email Address"},
    {ID_SEND_EMAIL, "Send Email"},
};
constexpr winport::MenuTemplateItem kCopyOnly[] = {
    {ID_COPY_EMAIL_ADDRESS, "Copy Email Address"},
};
constexpr winport::MenuTemplateItem kEmailBar[] = {{0, "Edit", 0, kCopyAndSend}};
constexpr winport::MenuTemplateItem kEmailBarWithoutSend[] = {{0, "Edit", 0, kCopyOnly}};

}  // namespace

winport::MenuTemplate EmailMenu() {
    return {IDR_EMAIL_MENU, kEmailBar};
}

winport::MenuTemplate EmailMenuWithoutSend() {
    return {IDR_EMAIL_MENU_NO_SEND, kEmailBarWithoutSend};
}
