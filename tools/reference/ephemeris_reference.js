// Reference numbers for the ephemeris tests (tests/sky), from astronomy-engine, an independent
// ephemeris (MIT licence; VSOP87 planets, the Moon of Chapront's ELP/MPP02 truncation).
// The package is installed outside this repository and is not part of the program:
//
//   npm install --prefix /tmp/astro astronomy-engine@2.1.19
//   NODE_PATH=/tmp/astro/node_modules node tools/reference/ephemeris_reference.js MODE
//
// MODE is one of:
//   tables  the rows of the test tables, as C++ initialisers;
//   sky     the sky at 2,000 instants spread over 1901 to 2999, CSV (tests/sky/sky_reference.csv):
//             node tools/reference/ephemeris_reference.js sky > tests/sky/sky_reference.csv
//   stars   20 catalogue stars turned to the equator of date in 1901, 2000, 2500 and 2999, CSV
//           (tests/sky/star_reference.csv):
//             node tools/reference/ephemeris_reference.js stars > tests/sky/star_reference.csv
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

function Version()
{
    const manifest = path.join(path.dirname(require.resolve('astronomy-engine')), 'package.json');
    return JSON.parse(fs.readFileSync(manifest, 'utf8')).version;
}

function Degrees(rad)
{
    return rad * 180 / Math.PI;
}

// Right ascension and declination of an equatorial vector, degrees.
function RaDec(v)
{
    const eq = A.EquatorFromVector(v);
    return [ Fixed(eq.ra * 15, 6), Fixed(eq.dec, 6) ];
}

// 2,000 instants from 1901-01-01 00:00 UT to 2999-12-31 23:59:59 UT, evenly spaced: the step
// of 200.8 days moves the time of day from one row to the next.
function Instants()
{
    const first = 0;
    const last = SecondsFromDate('2999-12-31T23:59:59Z');
    const out = [];
    for (let i = 0; i < 2000; ++i)
        out.push(Math.round(first + (last - first) * i / 1999));
    return out;
}

function Sky()
{
    const planets = [ 'Mercury', 'Venus', 'Mars', 'Jupiter', 'Saturn', 'Uranus', 'Neptune', 'Pluto' ];
    const helio = [ 'Mercury', 'Venus', 'EMB', 'Mars', 'Jupiter', 'Saturn', 'Uranus', 'Neptune', 'Pluto' ];
    console.log(`# astronomy-engine ${Version()}: the sky at the clock instant "seconds" (UT, since` +
                ' 1901-01-01 00:00 UT).');
    console.log('# delta_t: TT - UT, s. gast: SiderealTime x 15, degrees. Places: GeoVector(body, t,' +
                ' false) (light time, no aberration), the Moon GeoMoon(t), equatorial J2000, degrees;');
    console.log('# moon_fraction: Illumination(Moon).phase_fraction; helio_*: HelioVector in' +
                ' ecliptic J2000 (Rotation_EQJ_ECL), degrees, the Earth as the Earth-Moon barycentre.');
    console.log('# Made by: NODE_PATH=/tmp/astro/node_modules node ' +
                'tools/reference/ephemeris_reference.js sky > tests/sky/sky_reference.csv');
    const head = [ 'seconds', 'delta_t', 'gast', 'sun_ra', 'sun_dec', 'moon_ra', 'moon_dec', 'moon_km',
                   'moon_fraction' ];
    for (const b of planets)
        head.push(`${b.toLowerCase()}_ra`, `${b.toLowerCase()}_dec`);
    for (const b of helio)
        head.push(`helio_${b.toLowerCase()}`);
    console.log(head.join(','));
    for (const s of Instants())
    {
        const t = TimeFromSeconds(s);
        const row = [ s, Fixed((t.tt - t.ut) * 86400, 3), Fixed(A.SiderealTime(t) * 15, 6) ];
        row.push(...RaDec(A.GeoVector(A.Body.Sun, t, false)));
        const moon = A.GeoMoon(t);
        row.push(...RaDec(moon), Fixed(moon.Length() * A.KM_PER_AU, 1),
                 Fixed(A.Illumination(A.Body.Moon, t).phase_fraction, 5));
        for (const b of planets)
            row.push(...RaDec(A.GeoVector(A.Body[b], t, false)));
        for (const b of helio)
            row.push(Fixed(HelioLongitude(A.Body[b], t), 6));
        console.log(row.join(','));
    }
}

// Twenty bright stars over the whole sky, among them the pole star; J2000 places from
// data/stars.csv.
function Stars()
{
    const wanted = [ 11767, 32349, 30438, 69673, 91262, 24608, 24436, 37279, 7588, 27989,
                     68702, 97649, 60718, 21421, 80763, 65474, 37826, 113368, 102098, 72607 ];
    const rows = fs.readFileSync(path.join(__dirname, '..', '..', 'data', 'stars.csv'), 'utf8')
                     .split('\n').slice(1).map((l) => l.split(','));
    const byHip = new Map(rows.filter((r) => r.length > 2).map((r) => [ Number(r[0]), r ]));
    console.log(`# astronomy-engine ${Version()}: catalogue places (J2000, data/stars.csv) turned by` +
                ' Rotation_EQJ_EQD (precession and nutation) at the clock instant "seconds" (UT).');
    console.log('# Made by: NODE_PATH=/tmp/astro/node_modules node ' +
                'tools/reference/ephemeris_reference.js stars > tests/sky/star_reference.csv');
    console.log('hip,seconds,ra_hours,dec_deg,ra_date,dec_date');
    for (const date of [ '1901-01-01T06:00:00Z', '2000-01-01T12:00:00Z', '2500-07-01T00:00:00Z',
                         '2999-12-31T18:00:00Z' ])
    {
        const s = SecondsFromDate(date);
        const t = TimeFromSeconds(s);
        const rot = A.Rotation_EQJ_EQD(t);
        for (const hip of wanted)
        {
            const r = byHip.get(hip);
            if (!r)
                throw new Error(`HIP ${hip} is not in data/stars.csv`);
            const sph = new A.Spherical(Number(r[2]), Number(r[1]) * 15, 1);
            const v = A.RotateVector(rot, A.VectorFromSphere(sph, t));
            console.log([ hip, s, r[1], r[2], ...RaDec(v) ].join(','));
        }
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
else if (mode === 'sky')
    Sky();
else if (mode === 'stars')
    Stars();
else if (mode === 'drift')
    Drift();
else
{
    console.error('usage: node ephemeris_reference.js tables|sky|stars|drift');
    process.exit(2);
}
