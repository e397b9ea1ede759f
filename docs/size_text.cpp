#include "docs/size_text.h"

std::wstring SizeText(unsigned long long bytes)
{
    struct Unit {
        unsigned long long bytes;
        const wchar_t* name;
    };
    static const Unit kUnits[] = {{1ull << 30, L" GB"}, {1ull << 20, L" MB"}, {1ull << 10, L" KB"}};
    for (const Unit& unit : kUnits) {
        // Tenths of the unit, rounded half up, without multiplying the whole size (which
        // could wrap round).
        const unsigned long long remainder = bytes % unit.bytes;
        const unsigned long long tenths = bytes / unit.bytes * 10 + (remainder * 10 + unit.bytes / 2) / unit.bytes;
        if (tenths >= 10)
            return std::to_wstring(tenths / 10) + L"." + std::to_wstring(tenths % 10) + unit.name;
    }
    return std::to_wstring(bytes) + L" bytes";
}
