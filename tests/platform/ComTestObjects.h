// Interfaces and a COM class shared by the COM runtime tests.
#pragma once

#include "platform/com/ComObject.h"

class ICounter : public IUnknown {
public:
    static constexpr IID kIid = winport::MakeGuid("{6B1C1A10-2F5E-4C47-9D0A-3E7B5C2D4A01}");
    virtual int Increment() = 0;
};

class INamed : public IUnknown {
public:
    static constexpr IID kIid = winport::MakeGuid("{6B1C1A10-2F5E-4C47-9D0A-3E7B5C2D4A02}");
    virtual const char* Name() = 0;
};

// Implemented by nothing: queries for it must fail.
class IAbsent : public IUnknown {
public:
    static constexpr IID kIid = winport::MakeGuid("{6B1C1A10-2F5E-4C47-9D0A-3E7B5C2D4A03}");
};

// Raises |*destroyed| when its last reference goes.
class TestObject final : public winport::ComObject<ICounter, INamed> {
public:
    explicit TestObject(bool* destroyed = nullptr) : m_destroyed(destroyed) {}

    int Increment() override { return ++m_value; }
    const char* Name() override { return "test object"; }

private:
    ~TestObject() override {
        if (m_destroyed) *m_destroyed = true;
    }

    bool* m_destroyed;
    int m_value = 0;
};
