// The host's clock texts: the local time, and the time in a user's zone.
#pragma once

#include <chrono>
#include <optional>

class BCTime {
public:
    // The size of the buffers the callers pass.
    static constexpr int kBufferSize = 100;
    // The zone value that means "no zone".
    static constexpr int kNoTimeZone = -100;

    // Writes the current local time ("14:05") into |buffer| of kBufferSize characters.
    static void GetTime(char* buffer);
    // Writes the current time in the zone of |timeZone|, the negated offset from GMT in half
    // hours (-4 is GMT+2), or the empty text for kNoTimeZone or a value no zone has.
    static void GetTZTime(char* buffer, int timeZone);
    // Today's date where the person is (the local time zone), by the same clock.
    static std::chrono::year_month_day Today();

    // Makes the clock read |now| until the object goes, for tests.
    class ScopedNow {
    public:
        explicit ScopedNow(std::chrono::system_clock::time_point now);
        ~ScopedNow();
        ScopedNow(const ScopedNow&) = delete;
        ScopedNow& operator=(const ScopedNow&) = delete;

    private:
        std::optional<std::chrono::system_clock::time_point> m_previous;
    };
};
