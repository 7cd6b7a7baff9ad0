#include "hostlib/reference/ReferenceCombos.h"

#include <string>

#include "hostlib/reference/HostReferenceData.h"
#include "module/host/MINUVDataList.h"
#include "platform/controls/ComboBoxApi.h"
#include "platform/message/MessageApi.h"

namespace {

// Adds |text| with |data|; answers false when the combo refused it.
bool AddEntry(HWND combo, const char* text, LONG_PTR data) {
    const LRESULT index = SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    if (index < 0) return false;
    SendMessage(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), data);
    return true;
}

int FindItemData(HWND combo, LONG_PTR data) {
    const LRESULT count = SendMessage(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
        if (SendMessage(combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0) == data) {
            return static_cast<int>(index);
        }
    }
    return static_cast<int>(CB_ERR);
}

int DaysInMonth(int month, int year) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 31;
    if (month != 2) return kDays[month - 1];
    const bool leap = year <= 0 || (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0));
    return leap ? 29 : 28;
}

}  // namespace

int SetCountriesCombo(HWND combo) {
    SendMessage(combo, CB_RESETCONTENT, 0, 0);
    const HostReferenceData* data = GetHostReferenceData();
    if (!data) return 0;
    int added = 0;
    for (const HostCountry& country : data->Countries()) {
        added += AddEntry(combo, country.name.c_str(), country.code);
    }
    return added;
}

int SetLanguagesCombo(HWND combo) {
    SendMessage(combo, CB_RESETCONTENT, 0, 0);
    const HostReferenceData* data = GetHostReferenceData();
    if (!data || !AddEntry(combo, "", 0)) return 0;
    int added = 1;
    for (const HostLanguage& language : data->Languages()) {
        added += AddEntry(combo, language.name.c_str(), language.code);
    }
    return added;
}

int SetGenderCombo(HWND combo) {
    SendMessage(combo, CB_RESETCONTENT, 0, 0);
    const HostReferenceData* data = GetHostReferenceData();
    if (!data || !AddEntry(combo, "", 0)) return 0;
    int added = 1;
    for (const std::string& gender : data->Genders()) {
        added += AddEntry(combo, gender.c_str(), added);
    }
    return added;
}

int GetCountryComboIndex(HWND combo, int code) {
    return FindItemData(combo, code);
}

int GetLanguageComboIndex(HWND combo, int code) {
    return FindItemData(combo, code);
}

int SetDaysCombo(HWND combo, int selection, int month, int year) {
    const int days = DaysInMonth(month, year);
    SendMessage(combo, CB_RESETCONTENT, 0, 0);
    AddEntry(combo, "", 0);
    for (int day = 1; day <= days; ++day) AddEntry(combo, std::to_string(day).c_str(), day);
    if (selection != CB_ERR) {
        SendMessage(combo, CB_SETCURSEL, static_cast<WPARAM>(selection <= days ? selection : 0), 0);
    }
    return days;
}

int SetNumberStringCombo(HWND combo, MINUVDataList* list, LONG filter) {
    LONG count = 0;
    if (!list || list->GetCount(&count) != S_OK) return -1;
    int added = 0;
    for (LONG row = 0; row < count; ++row) {
        LONG level = 0;
        if (filter > 0 && (list->GetLong(row, "level", &level) != S_OK || level >= filter)) {
            continue;
        }
        const char* name = nullptr;
        LONG code = 0;
        if (list->GetString(row, "name", &name) != S_OK || !name ||
            list->GetLong(row, "code", &code) != S_OK) {
            continue;
        }
        added += AddEntry(combo, name, code);
    }
    return added;
}

int SelectComboByItemData(HWND combo, LONG_PTR data) {
    const int index = FindItemData(combo, data);
    SendMessage(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    return index;
}

LONG_PTR GetComboCurSelValue(HWND combo) {
    const LRESULT index = SendMessage(combo, CB_GETCURSEL, 0, 0);
    if (index < 0) return 0;
    return SendMessage(combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
}
