// Message tables: a class routes (message, notification code, control id) to its member
// handlers through a plain static table, and what no entry takes goes on to its base class.
// The class declares the table without a length; the source defines it, and the length follows
// from the entries there, so adding a route touches the source alone.
//
//   class CHomePage : public BCInsideDialog {
//       static const winport::Route<CHomePage> kRoutes[];
//   };
//
//   const winport::Route<CHomePage> CHomePage::kRoutes[] = {
//       {WM_COMMAND, EN_CHANGE, IDC_CITY, &CHomePage::OnCityChanged},
//       {WM_NOTIFY, UDN_DELTAPOS, IDC_AGE_SPIN, &CHomePage::OnAgeSpin},
//       {WM_USER + 0x26, &CHomePage::OnShowUser},
//   };
//   std::optional<LRESULT> CHomePage::OnMessage(const winport::Message& m) {
//       if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
//       return BCInsideDialog::OnMessage(m);
//   }
#pragma once

#include <optional>
#include <span>
#include <variant>

#include "platform/core/CommonControls.h"
#include "platform/core/WinMessages.h"
#include "platform/window/WindowProcedure.h"

namespace winport {

template <class T>
struct Route {
    using Command = void (T::*)();                                // WM_COMMAND: answers 0.
    using Notify = void (T::*)(NMHDR*, LRESULT*);                 // WM_NOTIFY: sets the answer.
    using Raw = LRESULT (T::*)(WPARAM, LPARAM);                   // Any message.
    using Maybe = std::optional<LRESULT> (T::*)(const Message&);  // Nothing: not handled.
    using Handler = std::variant<Command, Notify, Raw, Maybe>;

    // A command or notification from control |id| with code |code|.
    template <class H>
    constexpr Route(UINT message, UINT code, int id, H handler)
        : message(message), code(code), id(id), matchSource(true), handler(handler) {}
    // Any message numbered |message|, whatever its parameters.
    template <class H>
    constexpr Route(UINT message, H handler) : message(message), handler(handler) {}

    UINT message = 0;
    UINT code = 0;
    int id = 0;
    bool matchSource = false;
    Handler handler;
};

namespace detail {

// The notification code and control id a message carries, for matching.
struct Source {
    UINT code = 0;
    int id = 0;
};

inline Source SourceOf(const Message& m) {
    if (m.id == WM_COMMAND) return {HIWORD(m.wParam), LOWORD(m.wParam)};
    if (m.id == WM_NOTIFY && m.lParam) {
        const auto* header = reinterpret_cast<const NMHDR*>(m.lParam);
        return {header->code, static_cast<int>(header->idFrom)};
    }
    return {};
}

}  // namespace detail

// Runs the first entry of |routes| that matches |m|; nothing when no entry matches or the
// entry's handler declined.
template <class T, size_t N>
std::optional<LRESULT> RouteMessage(T& target, const Route<T> (&routes)[N], const Message& m) {
    return RouteMessage(target, std::span<const Route<T>>(routes), m);
}

template <class T>
std::optional<LRESULT> RouteMessage(T& target, std::span<const Route<T>> routes, const Message& m) {
    const detail::Source source = detail::SourceOf(m);
    for (const Route<T>& route : routes) {
        if (route.message != m.id) continue;
        if (route.matchSource && (route.code != source.code || route.id != source.id)) continue;
        return std::visit(
            [&](auto handler) -> std::optional<LRESULT> {
                using H = decltype(handler);
                if constexpr (std::is_same_v<H, typename Route<T>::Command>) {
                    (target.*handler)();
                    return 0;
                } else if constexpr (std::is_same_v<H, typename Route<T>::Notify>) {
                    LRESULT result = 0;
                    (target.*handler)(reinterpret_cast<NMHDR*>(m.lParam), &result);
                    return result;
                } else if constexpr (std::is_same_v<H, typename Route<T>::Raw>) {
                    return (target.*handler)(m.wParam, m.lParam);
                } else {
                    return (target.*handler)(m);
                }
            },
            route.handler);
    }
    return std::nullopt;
}

}  // namespace winport
