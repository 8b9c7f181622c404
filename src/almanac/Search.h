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
namespace detail
{
// Brent's zero: x1 is the best guess so far, c the other end of the bracket, x0 the guess
// before; d the last step and e the one before it.
struct RootBracket
{
    double x0, x1, c, f0, f1, fc, d, e;
};

// Chooses the next step d: inverse quadratic interpolation (or the secant when only two points
// are known) while it stays well inside the bracket and shrinks fast enough, else bisection.
inline void NextRootStep(RootBracket& k, double m, double tol)
{
    if (std::fabs(k.e) < tol || std::fabs(k.f0) <= std::fabs(k.f1))
    {
        k.d = k.e = m;
        return;
    }
    double s = k.f1 / k.f0, p, q;
    if (k.x0 == k.c)
    {
        p = 2.0 * m * s;
        q = 1.0 - s;
    }
    else
    {
        const double qa = k.f0 / k.fc, r = k.f1 / k.fc;
        p = s * (2.0 * m * qa * (qa - r) - (k.x1 - k.x0) * (r - 1.0));
        q = (qa - 1.0) * (r - 1.0) * (s - 1.0);
    }
    if (p > 0.0)
        q = -q;
    else
        p = -p;
    s = k.e;
    k.e = k.d;
    if (2.0 * p < 3.0 * m * q - std::fabs(tol * q) && p < std::fabs(0.5 * s * q))
        k.d = p / q;
    else
        k.d = k.e = m;
}

// Brent's localmin: x the least point so far, w the second least, v the one before w; lo and
// hi the interval; d the last step and e the one before it.
struct MinimumBracket
{
    double lo, hi, x, w, v, fx, fw, fv, d, e;
};

// Chooses the next step d: a parabola through x, w and v while it falls well inside the
// interval and shrinks fast enough, else a golden section of the larger part.
inline void NextMinimumStep(MinimumBracket& k, double m, double tol, double golden)
{
    const double t2 = 2.0 * tol;
    double p = 0.0, q = 0.0, r = 0.0;
    if (std::fabs(k.e) > tol)
    {
        r = (k.x - k.w) * (k.fx - k.fv);
        q = (k.x - k.v) * (k.fx - k.fw);
        p = (k.x - k.v) * q - (k.x - k.w) * r;
        q = 2.0 * (q - r);
        if (q > 0.0)
            p = -p;
        else
            q = -q;
        r = k.e;
        k.e = k.d;
    }
    if (std::fabs(p) < std::fabs(0.5 * q * r) && p > q * (k.lo - k.x) && p < q * (k.hi - k.x))
    {
        k.d = p / q;
        const double u = k.x + k.d;
        if (u - k.lo < t2 || k.hi - u < t2)
            k.d = k.x < m ? tol : -tol;
    }
    else
    {
        k.e = (k.x < m ? k.hi : k.lo) - k.x;
        k.d = golden * k.e;
    }
}

// Takes the value fu at the new point u into the bracket.
inline void TakeMinimumPoint(MinimumBracket& k, double u, double fu)
{
    if (fu <= k.fx)
    {
        (u < k.x ? k.hi : k.lo) = k.x;
        k.v = k.w;
        k.fv = k.fw;
        k.w = k.x;
        k.fw = k.fx;
        k.x = u;
        k.fx = fu;
        return;
    }
    (u < k.x ? k.lo : k.hi) = u;
    if (fu <= k.fw || k.w == k.x)
    {
        k.v = k.w;
        k.fv = k.fw;
        k.w = u;
        k.fw = fu;
    }
    else if (fu <= k.fv || k.v == k.x || k.v == k.w)
    {
        k.v = u;
        k.fv = fu;
    }
}
} // namespace detail

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
    detail::RootBracket k{0.0, b - a, 0.0, fa, fb, fa, b - a, b - a};
    for (int iteration = 0; iteration < 100; ++iteration)
    {
        if ((k.f1 > 0.0) == (k.fc > 0.0))
        {
            k.c = k.x0;
            k.fc = k.f0;
            k.d = k.e = k.x1 - k.x0;
        }
        if (std::fabs(k.fc) < std::fabs(k.f1))
        {
            k.x0 = k.x1;
            k.x1 = k.c;
            k.c = k.x0;
            k.f0 = k.f1;
            k.f1 = k.fc;
            k.fc = k.f0;
        }
        const double tol = 2.0 * 2.2e-16 * std::fabs(k.x1) + 0.5 * tolerance;
        const double m = 0.5 * (k.c - k.x1);
        if (std::fabs(m) <= tol || k.f1 == 0.0)
            return origin + k.x1;
        detail::NextRootStep(k, m, tol);
        k.x0 = k.x1;
        k.f0 = k.f1;
        k.x1 += std::fabs(k.d) > tol ? k.d : (m > 0.0 ? tol : -tol);
        k.f1 = f(origin + k.x1);
        if (!std::isfinite(k.f1))
            return std::nan("");
    }
    return origin + k.x1;
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
    const double x = golden * (b - a);
    const double fx = f(origin + x);
    detail::MinimumBracket k{0.0, b - a, x, x, x, fx, fx, fx, 0.0, 0.0};
    for (int iteration = 0; iteration < 100 && std::isfinite(k.fx); ++iteration)
    {
        const double m = 0.5 * (k.lo + k.hi);
        const double tol = 1.5e-8 * std::fabs(k.x) + tolerance / 3.0;
        if (std::fabs(k.x - m) <= 2.0 * tol - 0.5 * (k.hi - k.lo))
            break;
        detail::NextMinimumStep(k, m, tol, golden);
        const double u = k.x + (std::fabs(k.d) >= tol ? k.d : (k.d > 0.0 ? tol : -tol));
        detail::TakeMinimumPoint(k, u, f(origin + u));
    }
    return {origin + k.x, k.fx};
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
