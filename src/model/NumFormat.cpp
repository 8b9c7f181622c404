#include "model/NumFormat.h"

#include <cmath>
#include <cstdio>

namespace
{
// The mantissa in [1, 10) of a finite non-zero `value` and its power of ten `Mnt`.
float Mantissa(float value, int& Mnt)
{
    // Each pass divides the single-precision value afresh by 10^Mnt in double precision and
    // rounds the quotient to single. The downward search runs at least once, so a value in
    // [1, 10) passes through Mnt = -1 and back, and its digits show that round trip. The search
    // runs on the magnitude so that it ends for every finite value.
    const double mag = std::fabs(static_cast<double>(value));
    float q = static_cast<float>(mag);
    const int step = q >= 10.0f ? 1 : -1;
    Mnt = 0;
    do
    {
        Mnt += step;
        q = static_cast<float>(mag / std::pow(10.0, Mnt));
    } while (step > 0 ? q >= 10.0f : q < 1.0f);
    return value < 0 ? -q : q;
}
} // namespace

std::string NumToStr(double num, uint8_t ndig, bool Exp)
{
    const float value = static_cast<float>(num);
    float Num = value;
    int Mnt = 0;
    if (Exp && std::isfinite(value) && value != 0.0f)
    {
        Num = Mantissa(value, Mnt);
        if (std::abs(Mnt) < 3)
        {
            Num = static_cast<float>(std::pow(10.0, Mnt) * Num);
            Exp = false;
        }
    }
    else
        Exp = false;

    char fixed[400];
    std::snprintf(fixed, sizeof fixed, "%.*f", ndig == 8 || ndig == 6 || ndig == 4 ? ndig : 2,
                  static_cast<double>(Num));

    std::string text = fixed;
    const size_t point = text.find('.');
    if (point != std::string::npos)
    {
        // Cut the run of zeros that ends the decimals, and the point before a cut run.
        size_t end = text.size();
        while (end > point + 1 && text[end - 1] == '0')
            --end;
        if (end == point + 1)
            end = point;
        text.resize(end);
    }
    if (Exp)
    {
        char exponent[16];
        std::snprintf(exponent, sizeof exponent, Mnt > 0 ? " E+%d" : " E%d", Mnt);
        text += exponent;
    }
    return text;
}

std::string AdjustString(const char* str)
{
    std::string out;
    for (const char* p = str; p && *p; ++p)
    {
        if (*p == '_')
            out += ' ';
        else if (*p == ',')
            out += ", ";
        else
            out += *p;
    }
    return out;
}
