// COM status codes: HRESULT values, tests and conversion from Win32 error codes.
#pragma once

#include <cstdint>
#include <string>

#include "platform/core/WinTypes.h"

using HRESULT = std::int32_t;

namespace winport {
constexpr HRESULT MakeHResult(std::uint32_t bits) {
    return static_cast<HRESULT>(bits);
}
}  // namespace winport

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = winport::MakeHResult(0x80004001);
inline constexpr HRESULT E_NOINTERFACE = winport::MakeHResult(0x80004002);
inline constexpr HRESULT E_POINTER = winport::MakeHResult(0x80004003);
inline constexpr HRESULT E_ABORT = winport::MakeHResult(0x80004004);
inline constexpr HRESULT E_FAIL = winport::MakeHResult(0x80004005);
inline constexpr HRESULT E_UNEXPECTED = winport::MakeHResult(0x8000FFFF);
inline constexpr HRESULT E_ACCESSDENIED = winport::MakeHResult(0x80070005);
inline constexpr HRESULT E_HANDLE = winport::MakeHResult(0x80070006);
inline constexpr HRESULT E_OUTOFMEMORY = winport::MakeHResult(0x8007000E);
inline constexpr HRESULT E_INVALIDARG = winport::MakeHResult(0x80070057);
inline constexpr HRESULT RPC_E_CHANGED_MODE = winport::MakeHResult(0x80010106);
inline constexpr HRESULT CLASS_E_NOAGGREGATION = winport::MakeHResult(0x80040110);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = winport::MakeHResult(0x80040111);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = winport::MakeHResult(0x80040154);
inline constexpr HRESULT CO_E_NOTINITIALIZED = winport::MakeHResult(0x800401F0);
inline constexpr HRESULT CO_E_CLASSSTRING = winport::MakeHResult(0x800401F3);

inline constexpr DWORD FACILITY_WIN32 = 7;

constexpr bool SUCCEEDED(HRESULT hr) {
    return hr >= 0;
}
constexpr bool FAILED(HRESULT hr) {
    return hr < 0;
}

constexpr HRESULT HRESULT_FROM_WIN32(DWORD code) {
    if (static_cast<HRESULT>(code) <= 0) return static_cast<HRESULT>(code);
    return winport::MakeHResult((code & 0xFFFF) | (FACILITY_WIN32 << 16) | 0x80000000u);
}

namespace winport {

// "E_NOINTERFACE (0x80004002)" for the codes above, the bare hex form for any other.
std::string FormatHResult(HRESULT hr);

}  // namespace winport
