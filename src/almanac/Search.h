// One-dimensional searches of the Almanac: the root of a function bracketed by a change of sign
// and the minimum of a function on an interval, both by Brent's methods (R. P. Brent,
// Algorithms for Minimization without Derivatives, 1973, ch. 4 "zero" and ch. 5 "localmin").
// Pure; no state, no Qt.
//
// Time arguments are Julian dates, but the searches run on days from the interval's start:
// the relative tolerances of Brent's tests, taken on a Julian date near 2.4 million, would be
// close to an hour.
#pragma once

#include <cmath>

namespace almanac
{
// The root of `f` in [a, b] where fa = f(a) and fb = f(b) differ in sign (or one of them is 0),
// to within `tolerance` (days). NaN when the bracket is not one, or when `f` gives NaN.
template <class F>
double FindRoot(const F& f, double a, double b, double fa, double fb, double tolerance)
{
    if (!(std::isfinite(fa) && std::isfinite(fb)))
        return std::nan("");
    if (fa == 0.0)
        return a;
    if (fb == 0.0)
        return b;
    if ((fa > 0.0) == (fb > 0.0))
        return std::nan("");
    const double origin = a;
    double x0 = 0.0, x1 = b - a, f0 = fa, f1 = fb;
    double c = x0, fc = f0, d = x1 - x0, e = d;
    for (int iteration = 0; iteration < 100; ++iteration)
    {
        if ((f1 > 0.0) == (fc > 0.0))
        {
            c = x0;
            fc = f0;
            d = e = x1 - x0;
        }
        if (std::fabs(fc) < std::fabs(f1))
        {
            x0 = x1;
            x1 = c;
            c = x0;
            f0 = f1;
            f1 = fc;
            fc = f0;
        }
        const double tol = 2.0 * 2.2e-16 * std::fabs(x1) + 0.5 * tolerance;
        const double m = 0.5 * (c - x1);
        if (std::fabs(m) <= tol || f1 == 0.0)
            return origin + x1;
        if (std::fabs(e) < tol || std::fabs(f0) <= std::fabs(f1))
            d = e = m;
        else
        {
            // Inverse quadratic interpolation, or the secant when only two points are known.
            double s = f1 / f0, p, q;
            if (x0 == c)
            {
                p = 2.0 * m * s;
                q = 1.0 - s;
            }
            else
            {
                const double qa = f0 / fc, r = f1 / fc;
                p = s * (2.0 * m * qa * (qa - r) - (x1 - x0) * (r - 1.0));
                q = (qa - 1.0) * (r - 1.0) * (s - 1.0);
            }
            if (p > 0.0)
                q = -q;
            else
                p = -p;
            s = e;
            e = d;
            if (2.0 * p < 3.0 * m * q - std::fabs(tol * q) && p < std::fabs(0.5 * s * q))
                d = p / q;
            else
                d = e = m;
        }
        x0 = x1;
        f0 = f1;
        x1 += std::fabs(d) > tol ? d : (m > 0.0 ? tol : -tol);
        f1 = f(origin + x1);
        if (!std::isfinite(f1))
            return std::nan("");
    }
    return origin + x1;
}

// The place and value of the least value of `f` on [a, b], to within `tolerance` (days).
struct Minimum
{
    double At;
    double Value;
};

template <class F> Minimum FindMinimum(const F& f, double a, double b, double tolerance)
{
    const double origin = a;
    const double golden = 0.5 * (3.0 - std::sqrt(5.0));
    double lo = 0.0, hi = b - a;
    double x = lo + golden * (hi - lo), w = x, v = x;
    double fx = f(origin + x), fw = fx, fv = fx;
    double d = 0.0, e = 0.0;
    for (int iteration = 0; iteration < 100 && std::isfinite(fx); ++iteration)
    {
        const double m = 0.5 * (lo + hi);
        const double tol = 1.5e-8 * std::fabs(x) + tolerance / 3.0;
        const double t2 = 2.0 * tol;
        if (std::fabs(x - m) <= t2 - 0.5 * (hi - lo))
            break;
        double p = 0.0, q = 0.0, r = 0.0;
        if (std::fabs(e) > tol)
        {
            // A parabola through x, w and v.
            r = (x - w) * (fx - fv);
            q = (x - v) * (fx - fw);
            p = (x - v) * q - (x - w) * r;
            q = 2.0 * (q - r);
            if (q > 0.0)
                p = -p;
            else
                q = -q;
            r = e;
            e = d;
        }
        if (std::fabs(p) < std::fabs(0.5 * q * r) && p > q * (lo - x) && p < q * (hi - x))
        {
            d = p / q;
            const double u = x + d;
            if (u - lo < t2 || hi - u < t2)
                d = x < m ? tol : -tol;
        }
        else
        {
            e = (x < m ? hi : lo) - x;
            d = golden * e;
        }
        const double u = x + (std::fabs(d) >= tol ? d : (d > 0.0 ? tol : -tol));
        const double fu = f(origin + u);
        if (fu <= fx)
        {
            (u < x ? hi : lo) = x;
            v = w;
            fv = fw;
            w = x;
            fw = fx;
            x = u;
            fx = fu;
        }
        else
        {
            (u < x ? lo : hi) = u;
            if (fu <= fw || w == x)
            {
                v = w;
                fv = fw;
                w = u;
                fw = fu;
            }
            else if (fu <= fv || v == x || v == w)
            {
                v = u;
                fv = fu;
            }
        }
    }
    return {origin + x, fx};
}

// An angle in degrees reduced to (-180, 180].
inline double WrapDegrees(double deg)
{
    double r = std::fmod(deg, 360.0);
    if (r <= -180.0)
        r += 360.0;
    else if (r > 180.0)
        r -= 360.0;
    return r;
}
} // namespace almanac
