// Combo box fillers and look-ups over the host's reference tables and data lists. Each works
// on a combo box by its window handle and keeps the texts of its entries and their item data.
#pragma once

#include "platform/core/WinTypes.h"

class MINUVDataList;

// Replace the combo's entries with every country (item data: the country code), every
// language after an empty entry of item data 0 (item data: the language code), or the empty
// entry and the genders, so that the entry index is the gender value. Answer the entries added.
int SetCountriesCombo(HWND combo);
int SetLanguagesCombo(HWND combo);
int SetGenderCombo(HWND combo);

// The index of the entry whose item data is the country or language |code|; CB_ERR if none.
int GetCountryComboIndex(HWND combo, int code);
int GetLanguageComboIndex(HWND combo, int code);

// Replaces the combo's entries with the empty entry and the days |month| (1 to 12; any other
// value: 31 days) has in |year| (0 or less: any year, so February has 29), so that the entry
// index is the day number. The selection |selection| is kept where that day still exists,
// otherwise the empty entry is selected; CB_ERR keeps no selection. Answers the day count.
int SetDaysCombo(HWND combo, int selection, int month, int year);

// Appends the "name" of each row of |list| with its "code" as item data; a |filter| above 0
// takes only the rows whose "level" is below it. Rows without both fields are left out.
// Answers the entries added, -1 when the list is null or has no count.
int SetNumberStringCombo(HWND combo, MINUVDataList* list, LONG filter);

// Selects the first entry whose item data is |data| and answers its index; with no such entry
// the selection is cleared and the answer is CB_ERR.
int SelectComboByItemData(HWND combo, LONG_PTR data);
// The item data of the selected entry; 0 when nothing is selected.
LONG_PTR GetComboCurSelValue(HWND combo);
