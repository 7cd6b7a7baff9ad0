#include "hostlib/util/Time.h"

#include <ctime>
#include <string>

#include "platform/text/TextCopy.h"

namespace {

std::optional<std::chrono::system_clock::time_point> g_fixedNow;

std::chrono::system_clock::time_point Now() {
    return g_fixedNow ? *g_fixedNow : std::chrono::system_clock::now();
}

void WriteClock(char* buffer, const std::tm& time) {
    char text[16];
    std::strftime(text, sizeof text, "%H:%M", &time);
    winport::CopyTextToBuffer(text, buffer, BCTime::kBufferSize);
}

}  // namespace

void BCTime::GetTime(char* buffer) {
    if (!buffer) return;
    const std::time_t now = std::chrono::system_clock::to_time_t(Now());
    std::tm local{};
    localtime_r(&now, &local);
    WriteClock(buffer, local);
}

void BCTime::GetTZTime(char* buffer, int timeZone) {
    if (!buffer) return;
    buffer[0] = '\0';
    // Zones run from GMT-12 to GMT+14.
    if (timeZone == kNoTimeZone || timeZone < -28 || timeZone > 24) return;
    const std::time_t now = std::chrono::system_clock::to_time_t(Now()) - timeZone * 30 * 60;
    std::tm zoned{};
    gmtime_r(&now, &zoned);
    WriteClock(buffer, zoned);
}

std::chrono::year_month_day BCTime::Today() {
    const std::time_t now = std::chrono::system_clock::to_time_t(Now());
    std::tm local{};
    localtime_r(&now, &local);
    return std::chrono::year{local.tm_year + 1900} /
           std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)} /
           std::chrono::day{static_cast<unsigned>(local.tm_mday)};
}

BCTime::ScopedNow::ScopedNow(std::chrono::system_clock::time_point now) : m_previous(g_fixedNow) {
    g_fixedNow = now;
}

BCTime::ScopedNow::~ScopedNow() {
    g_fixedNow = m_previous;
}
