// A length designed at 96 DPI, as it is at another DPI. Windows-free, so the rounding is
// unit-tested natively; the identity at 96.
#pragma once

namespace corvex {

constexpr unsigned kDesignDpi = 96;

// `length96` scaled by dpi/96, halves rounded away from zero.
constexpr int ScaleLength(int length96, unsigned dpi)
{
    if (dpi == kDesignDpi || dpi == 0)
        return length96;
    const long long product = static_cast<long long>(length96) * static_cast<long long>(dpi);
    const long long half = kDesignDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kDesignDpi : -((-product + half) / kDesignDpi));
}

} // namespace corvex
