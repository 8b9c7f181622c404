// Reference numbers for the ephemeris tests (tests/sky), from astronomy-engine, an independent
// ephemeris (MIT licence; VSOP87 planets, the Moon of Chapront's ELP/MPP02 truncation).
// The package is installed outside this repository and is not part of the program:
//
//   npm install --prefix /tmp/astro astronomy-engine@2.1.19
//   NODE_PATH=/tmp/astro/node_modules node tools/reference/ephemeris_reference.js MODE
//
// MODE is one of:
//   tables  the rows of the test tables, as C++ initialisers;
//   dense   Sun and Moon every 37.1 days from 1901 to 2100, CSV, for measuring the error;
//   drift   heliocentric longitudes of the planets in 1901 and 2999 (Terrestrial Time), CSV.
//
// Instants are given as the program's clock instant: seconds since 1901-01-01 00:00 UT.
'use strict';
const fs = require('fs');
const path = require('path');
const A = require('astronomy-engine');

const kJd1901 = 2415385.5;
const kJ2000 = 2451545.0;

function SecondsFromDate(iso)
{
    return Math.round((Date.parse(iso) - Date.parse('1901-01-01T00:00:00Z')) / 1000);
}

// The instant's UT as astronomy-engine's time (days since J2000 in UT).
function TimeFromSeconds(s)
{
    return A.MakeTime(kJd1901 + s / 86400 - kJ2000);
}

function Fixed(x, digits)
{
    return x.toFixed(digits);
}

function HelioLongitude(body, time)
{
    const ecl = A.RotateVector(A.Rotation_EQJ_ECL(), A.HelioVector(body, time));
    const lon = Math.atan2(ecl.y, ecl.x) * 180 / Math.PI;
    return lon < 0 ? lon + 360 : lon;
}

function HelioLatitude(body, time)
{
    const ecl = A.RotateVector(A.Rotation_EQJ_ECL(), A.HelioVector(body, time));
    return Math.asin(ecl.z / Math.hypot(ecl.x, ecl.y, ecl.z)) * 180 / Math.PI;
}

// Kepler's equation by plain bisection, an implementation independent of the program's.
function KeplerByBisection(M, e)
{
    let lo = -Math.PI, hi = Math.PI;
    for (let i = 0; i < 200; ++i)
    {
        const mid = 0.5 * (lo + hi);
        if (mid - e * Math.sin(mid) - M < 0)
            lo = mid;
        else
            hi = mid;
    }
    return 0.5 * (lo + hi);
}

// Position angle of the Sun seen from the Moon's place, from the north through the east: the
// bright limb's midpoint (Meeus, Astronomical Algorithms, eq. 48.5) on the reference's places.
function BrightLimb(sun, moon)
{
    const r = Math.PI / 180;
    const a0 = sun.ra * 15 * r, d0 = sun.dec * r, a = moon.ra * 15 * r, d = moon.dec * r;
    const chi =
        Math.atan2(Math.cos(d0) * Math.sin(a0 - a),
                   Math.sin(d0) * Math.cos(d) - Math.cos(d0) * Math.sin(d) * Math.cos(a0 - a));
    const deg = chi / r;
    return deg < 0 ? deg + 360 : deg;
}

function SunMoon(s)
{
    const t = TimeFromSeconds(s);
    const sun = A.EquatorFromVector(A.GeoVector(A.Body.Sun, t, false));
    const moon = A.EquatorFromVector(A.GeoMoon(t));
    const ill = A.Illumination(A.Body.Moon, t);
    return {
        sun,
        moon,
        fraction : ill.phase_fraction,
        limb : BrightLimb(sun, moon),
        elongation : A.MoonPhase(t)
    };
}

function Tables()
{
    const manifest = path.join(path.dirname(require.resolve('astronomy-engine')), 'package.json');
    console.log(`// astronomy-engine ${JSON.parse(fs.readFileSync(manifest, 'utf8')).version}`);
    const helioDates = [ '1975-06-15T00:00:00Z', '2000-01-01T12:00:00Z', '2026-12-07T00:00:00Z' ];
    const helioBodies = [ 'Mercury', 'Venus', 'EMB', 'Mars', 'Jupiter', 'Saturn' ];
    console.log('// heliocentric ecliptic J2000 longitude, degrees: HelioVector, Rotation_EQJ_ECL');
    for (const d of helioDates)
    {
        const s = SecondsFromDate(d);
        const lon = helioBodies.map((b) => Fixed(HelioLongitude(A.Body[b], TimeFromSeconds(s)), 4));
        const lat = helioBodies.map((b) => Fixed(HelioLatitude(A.Body[b], TimeFromSeconds(s)), 4));
        console.log(`{"${d.slice(0, 16)}", ${s}, {${lon.join(', ')}}, {${lat.join(', ')}}},`);
    }

    console.log('// Kepler: E (rad) by bisection for M (rad), e');
    for (const e of [0.2056, 0.967])
        for (const M of [0.001, 0.1, 1.0, 3.0, -2.5])
            console.log(`{${M}, ${e}, ${KeplerByBisection(M, e).toFixed(12)}},`);

    // A full Moon and a new Moon found by the reference, to the second.
    const full = A.SearchMoonPhase(180, A.MakeTime(new Date('1921-03-01T00:00:00Z')), 40);
    const nu = A.SearchMoonPhase(0, A.MakeTime(new Date('2087-08-01T00:00:00Z')), 40);
    const sunMoonDates = [
        '2026-12-07T00:00:00Z', '2050-06-28T00:00:00Z', full.date.toISOString(),
        nu.date.toISOString()
    ];
    console.log(
        '// Sun: GeoVector(Sun, t, false); Moon: GeoMoon(t); EquatorFromVector: RA h, Dec deg');
    console.log('// Illumination(Moon).phase_fraction; bright limb from those places (Meeus 48.5)');
    for (const d of sunMoonDates)
    {
        const s = Math.round((Date.parse(d) - Date.parse('1901-01-01T00:00:00Z')) / 1000);
        const r = SunMoon(s);
        const stamp = new Date(Date.parse('1901-01-01T00:00:00Z') + s * 1000).toISOString();
        console.log(`{"${stamp.slice(0, 19)}", ${s}, ` +
                    `${Fixed(r.sun.ra, 5)}, ${Fixed(r.sun.dec, 4)}, ${Fixed(r.moon.ra, 5)}, ` +
                    `${Fixed(r.moon.dec, 4)}, ${Fixed(r.moon.dist * A.KM_PER_AU, 0)}, ` +
                    `${Fixed(r.fraction, 4)}, ${Fixed(r.limb, 2)}, ${Fixed(r.elongation, 3)}},`);
    }

    console.log('// GeoVector(body, t, false) (light time, no aberration); EquatorFromVector; ' +
                'Illumination(body).mag');
    for (const d of ['2000-01-01T12:00:00Z', '2026-12-07T00:00:00Z'])
    {
        const s = SecondsFromDate(d);
        const t = TimeFromSeconds(s);
        for (const b of ['Venus', 'Mars', 'Jupiter', 'Saturn'])
        {
            const eq = A.EquatorFromVector(A.GeoVector(A.Body[b], t, false));
            const ill = A.Illumination(A.Body[b], t);
            console.log(`{"${d.slice(0, 16)}", ${s}, sky::Planet::${b}, ${Fixed(eq.ra, 5)}, ` +
                        `${Fixed(eq.dec, 4)}, ${Fixed(eq.dist, 5)}, ${Fixed(ill.mag, 2)}},`);
        }
    }
}

function Dense()
{
    console.log('seconds,sun_ra_h,sun_dec,moon_ra_h,moon_dec,moon_km,fraction,limb,elongation');
    const start = SecondsFromDate('1901-01-01T00:00:00Z');
    const end = SecondsFromDate('2100-12-31T00:00:00Z');
    for (let s = start; s <= end; s += Math.round(37.1 * 86400))
    {
        const r = SunMoon(s);
        console.log([
            s, r.sun.ra, r.sun.dec, r.moon.ra, r.moon.dec, r.moon.dist * A.KM_PER_AU, r.fraction,
            r.limb, r.elongation
        ].join(','));
    }
}

function Drift()
{
    const bodies =
        [ 'Mercury', 'Venus', 'EMB', 'Mars', 'Jupiter', 'Saturn', 'Uranus', 'Neptune', 'Pluto' ];
    console.log('jd_tt,' + bodies.join(','));
    // Terrestrial Time, so that the model's drift is not mixed with Delta T.
    const dates = [ 2415385.5, 2415385.5 + 182.6, 2451545.0, 2816787.5 - 365.25, 2816787.5 ];
    for (const jd of dates)
    {
        const t = A.AstroTime.FromTerrestrialTime(jd - kJ2000);
        console.log([ jd, ...bodies.map((b) => HelioLongitude(A.Body[b], t)) ].join(','));
    }
}

const mode = process.argv[2];
if (mode === 'tables')
    Tables();
else if (mode === 'dense')
    Dense();
else if (mode === 'drift')
    Drift();
else
{
    console.error('usage: node ephemeris_reference.js tables|dense|drift');
    process.exit(2);
}
