#pragma once
// The calling thread's membership of a COM apartment, for as long as the object lives: the
// Windows Imaging Component's objects are made through COM.

#include <objbase.h>

class ComApartment {
public:
    ComApartment() : entered(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (entered)
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    const bool entered;
};
