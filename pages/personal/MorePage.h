// CMorePage: the "More" tab of the user details window: the personal home page with its
// directory category, gender and age, the birth date with the zodiac sign and a horoscope link,
// three spoken languages and the birthday options. The owner edits his own details and chooses
// whether everyone is told on his birthday; for a contact the details are shown read-only and
// the owner chooses whether, and how many days ahead, he is reminded of the birthday. Age and
// birth year follow each other as the owner types, counted from the day the page was built.
#pragma once

#include <string>

#include "hostlib/controls/BCBitmapButton.h"
#include "hostlib/controls/BCStaticBitmap.h"
#include "pages/RecordPage.h"

class CMorePage final : public CRecordPage {
public:
    CMorePage(BCUserInfo* user, bool editable, MCVariantPropertySet* data, CWnd* parent);
    ~CMorePage() override;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    int PageCommit() override;
    void PageClear() override;
    int PageValidate() override;
    void PageReload() override;
    bool HasUnsavedChanges() const override {
        return m_changed || m_detailsChanged || m_categoryChanged || m_birthdayOptionsChanged;
    }

    std::optional<LRESULT> OnMessage(const winport::Message& m) override;

private:
    static const winport::Route<CMorePage> kRoutes[];
    static constexpr int kLanguages = 3;

    // Initialisation, load, check and save (MorePage.cpp).
    void ShowForm();
    void SetUpSpins();
    void Load(MCVariantPropertySet& data);
    void LoadOwner(MCVariantPropertySet& data);
    void LoadContact(MCVariantPropertySet& data, int day, int month, int year);
    void SaveOwner(MCVariantPropertySet& data);
    bool CheckBirthDate();
    int SelectedIndex(int comboId) const;
    // The number a field's text begins with; 0 for none.
    static long NumberIn(const std::string& text);

    // The birth date, the age and the sign (MorePageBirth.cpp).
    int LatestYear() const;
    int HighestAge() const;
    bool BirthdayToCome(int month, int day) const;
    void FillDays();
    void AgeFromYear();
    void YearFromAge();
    void ShowSign();
    void SetSpinRanges();
    void StepNumber(int editId, int lowest, int highest, const NMHDR* header, LRESULT* result);

    // Handlers (MorePageBirth.cpp and MorePageActions.cpp).
    void OnAgeChanged();
    void OnYearChanged();
    void OnMonthChanged();
    void OnDayChanged();
    void OnHomepageChanged();
    void OnDetailsChanged();
    void OnNotifyClicked();
    void OnRemindClicked();
    void OnYearSpin(NMHDR* header, LRESULT* result);
    void OnAgeSpin(NMHDR* header, LRESULT* result);
    void OnRemindSpin(NMHDR* header, LRESULT* result);
    void OnOpenHomepage();
    void OnHomepageCategory();
    void OnHoroscope();
    void EnableReminderDays();

    // Today, as the page was built: every age, year and range counts from it.
    int m_todayYear;
    int m_todayMonth;
    int m_todayDay;

    std::string m_homepage;
    std::string m_genderName;
    std::string m_age;
    std::string m_year;
    std::string m_monthName;
    std::string m_dayText;
    std::string m_reminderDays;
    std::string m_languageNames[kLanguages];
    // Kept for the homepage category dialog; not shown on the page.
    std::string m_description;
    short m_category = 0;
    // The record's gender and languages as the last load found them: saved again when their
    // lists have no entry for them.
    int m_storedGender = 0;
    int m_storedLanguages[kLanguages] = {};

    // What changed since the last load or save, by the part of the record it goes to: the
    // published details, the home page's category, the birthday options. The page's own
    // changed flag stands for any of them.
    bool m_detailsChanged = false;
    bool m_categoryChanged = false;
    bool m_birthdayOptionsChanged = false;
    // Set while an age, year, month or day handler runs, so the fields it updates do not run
    // their own handlers in turn.
    bool m_updating = false;

    BCBitmapButton m_homepageButton;
    BCStaticBitmap m_zodiacImage;
    HIMAGELIST m_zodiacImages = nullptr;
    HFONT m_labelFont = nullptr;
};
