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
//   almanac the Almanac's events, four CSV tables written into tests/almanac/ (or the folder
//           given after the mode): rises, sets, transits and twilights of sample days
//           (day_reference.csv), the Moon's quarters of sample months (phase_reference.csv),
//           the seasons, the Earth's apsides, the planets' conjunctions, oppositions and
//           elongations and the Moon's close approaches of sample years (year_reference.csv),
//           and the eclipses of sample years (eclipse_reference.csv):
//             node tools/reference/ephemeris_reference.js almanac
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

    console.log(
        '// SunPosition(t).elon (apparent, true equinox of date), degrees; HelioDistance(Earth), AU');
    for (const d of ['1901-03-21T00:00:00Z', '1975-06-15T00:00:00Z', '2000-01-03T05:18:00Z',
                     '2026-12-07T00:00:00Z', '2500-09-23T12:00:00Z', '2999-12-21T18:00:00Z'])
    {
        const s = SecondsFromDate(d);
        const t = TimeFromSeconds(s);
        console.log(`{"${d.slice(0, 16)}", ${s}, ${Fixed(A.SunPosition(t).elon, 6)}, ` +
                    `${Fixed(A.HelioDistance(A.Body.Earth, t), 8)}},`);
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

// ---- the Almanac ----

const kDay = 86400;

// UT seconds since 1901-01-01 00:00 UT of an astronomy-engine time, to a tenth of a second.
function SecondsOfTime(t)
{
    return Fixed((t.ut + kJ2000 - kJd1901) * kDay, 1);
}

function UtSeconds(year, month, day)
{
    return (Date.UTC(year, month - 1, day) - Date.UTC(1901, 0, 1)) / 1000;
}

function DayBodies()
{
    return [ 'Sun', 'Moon', 'Mercury', 'Venus', 'Mars', 'Jupiter', 'Saturn', 'Uranus', 'Neptune' ];
}

// Every time `search(start, limitDays)` finds within [t0, t1), in order; each search starts a
// minute after the last event.
function EventsIn(t0, t1, search)
{
    const out = [];
    let t = t0;
    for (;;)
    {
        const limit = t1.ut - t.ut;
        if (limit <= 0)
            break;
        const found = search(t, limit);
        if (!found || found.ut >= t1.ut)
            break;
        out.push(found);
        t = found.AddDays(60 / kDay);
    }
    return out;
}

// The altitude (degrees) that SearchRiseSet compares with -34': the topocentric centre of date
// with aberration, no refraction, plus the semi-diameter of the Sun or the Moon.
function UpperLimbAltitude(body, obs, t)
{
    const eq = A.Equator(A.Body[body], t, obs, true, true);
    const hor = A.Horizon(t, obs, eq.ra, eq.dec);
    const radiusKm = {Sun : 695700.0, Moon : 1738.1}[body] || 0;
    return hor.altitude + Degrees(Math.asin(radiusKm / A.KM_PER_AU / eq.dist));
}

// Sample days: ordinary places from 60 S to 65 N over 1901 to 2999, and days of midnight Sun
// and of polar night beyond the polar circles. The day is the local day of a zone whose offset
// is the longitude's nearest whole hour.
function SampleDays()
{
    const places = [
        [ -59.5, -45.0 ], [ -33.87, 151.21 ], [ -22.9, -43.2 ], [ 0.0, 0.0 ], [ 0.35, 32.58 ],
        [ 19.43, -99.13 ], [ 35.68, 139.69 ], [ 40.71, -74.01 ], [ 48.85, 2.35 ], [ 55.75, 37.62 ],
        [ 60.17, 24.94 ], [ 64.84, -147.72 ], [ 65.0, 25.47 ]
    ];
    const days = [];
    places.forEach((p, i) => {
        for (let d = 0; d < 8; ++d)
        {
            const year = 1901 + ((i * 7 + d * 137) % 1099);
            const month = 1 + ((d * 5 + i) % 12);
            const day = 1 + ((d * 11 + i * 3) % 28);
            days.push([ p[0], p[1], year, month, day ]);
        }
    });
    const polar = [
        [ 69.65, 18.96, 2024, 6, 21 ], [ 69.65, 18.96, 2024, 12, 21 ],
        [ 69.65, 18.96, 2024, 5, 19 ], [ 69.65, 18.96, 1950, 7, 25 ], [ 69.65, 18.96, 2500, 1, 17 ],
        [ 78.22, 15.65, 2024, 4, 20 ], [ 78.22, 15.65, 2024, 10, 15 ],
        [ -77.85, 166.67, 2024, 6, 21 ], [ -77.85, 166.67, 2024, 12, 21 ],
        [ -66.6, 110.5, 2100, 12, 1 ], [ 70.0, -150.0, 2999, 3, 10 ]
    ];
    return days.concat(polar);
}

function DayTable()
{
    const rows = [];
    rows.push(
        `# astronomy-engine ${Version()}: rises and sets (SearchRiseSet: the upper limb of the` +
        ' Sun and the Moon, the centre of the planets, refraction 34\'), transits (SearchHourAngle' +
        ' 0, altitude with "normal" refraction) and twilights (SearchAltitude of the Sun\'s centre' +
        ' at -6, -12, -18) within each local day [day_start, day_end), UT seconds since 1901.');
    rows.push(
        '# A body with neither rise nor set that day is always_up or never_rises; a twilight with' +
        ' neither dawn nor dusk is above or below. Made by: NODE_PATH=/tmp/astro/node_modules node' +
        ' tools/reference/ephemeris_reference.js almanac');
    rows.push('latitude,longitude,day_start,day_end,body,event,seconds,altitude');
    for (const [lat, lon, year, month, day] of SampleDays())
    {
        const obs = new A.Observer(lat, lon, 0);
        const start = UtSeconds(year, month, day) - Math.round(lon / 15) * 3600;
        const t0 = TimeFromSeconds(start), t1 = TimeFromSeconds(start + kDay);
        const head = `${lat},${lon},${start},${start + kDay}`;
        for (const body of DayBodies())
        {
            const b = A.Body[body];
            const rises = EventsIn(t0, t1, (t, l) => A.SearchRiseSet(b, obs, +1, t, l));
            const sets = EventsIn(t0, t1, (t, l) => A.SearchRiseSet(b, obs, -1, t, l));
            for (const r of rises)
                rows.push(`${head},${body},rise,${SecondsOfTime(r)},`);
            for (const s of sets)
                rows.push(`${head},${body},set,${SecondsOfTime(s)},`);
            if (rises.length === 0 && sets.length === 0)
            {
                const up = UpperLimbAltitude(body, obs, t0) > -34 / 60;
                rows.push(`${head},${body},${up ? 'always_up' : 'never_rises'},,`);
            }
            const transits = EventsIn(t0, t1, (t) => A.SearchHourAngle(b, obs, 0, t, +1).time);
            for (const tr of transits)
            {
                const ev = A.SearchHourAngle(b, obs, 0, tr.AddDays(-1 / kDay), +1);
                rows.push(`${head},${body},transit,${SecondsOfTime(ev.time)},${
                    Fixed(ev.hor.altitude, 3)}`);
            }
        }
        for (const [name, depression] of [[ 'civil', 6 ], [ 'nautical', 12 ],
                                          [ 'astronomical', 18 ]])
        {
            const sun = A.Body.Sun;
            const dawns =
                EventsIn(t0, t1, (t, l) => A.SearchAltitude(sun, obs, +1, t, l, -depression));
            const dusks =
                EventsIn(t0, t1, (t, l) => A.SearchAltitude(sun, obs, -1, t, l, -depression));
            for (const d of dawns)
                rows.push(`${head},${name},dawn,${SecondsOfTime(d)},`);
            for (const d of dusks)
                rows.push(`${head},${name},dusk,${SecondsOfTime(d)},`);
            if (dawns.length === 0 && dusks.length === 0)
            {
                const eq = A.Equator(sun, t0, obs, true, true);
                const alt = A.Horizon(t0, obs, eq.ra, eq.dec).altitude;
                rows.push(`${head},${name},${alt > -depression ? 'above' : 'below'},,`);
            }
        }
    }
    return rows;
}

// The Moon's quarters (0 new, 1 first quarter, 2 full, 3 last quarter) within sample calendar
// months (UT) over 1901 to 2999, and August 2023 with its two full Moons.
function PhaseTable()
{
    const rows = [];
    rows.push(`# astronomy-engine ${
                  Version()}: the Moon's quarters (SearchMoonQuarter, NextMoonQuarter;` +
              ' 0 new, 1 first quarter, 2 full, 3 last quarter) within each calendar month (UT),' +
              ' UT seconds since 1901. Made by: NODE_PATH=/tmp/astro/node_modules node' +
              ' tools/reference/ephemeris_reference.js almanac');
    rows.push('month_start,month_end,quarter,seconds');
    const months = [];
    for (let i = 0; i < 60; ++i)
        months.push([ 1901 + ((i * 37) % 1099), 1 + (i % 12) ]);
    months.push([ 2023, 8 ], [ 2999, 12 ]);
    for (const [year, month] of months)
    {
        const start = UtSeconds(year, month, 1);
        const end = month === 12 ? UtSeconds(year + 1, 1, 1) : UtSeconds(year, month + 1, 1);
        let q = A.SearchMoonQuarter(TimeFromSeconds(start));
        while ((q.time.ut + kJ2000 - kJd1901) * kDay < end)
        {
            rows.push(`${start},${end},${q.quarter},${SecondsOfTime(q.time)}`);
            q = A.NextMoonQuarter(q);
        }
    }
    return rows;
}

function SampleYears()
{
    return [ 1901, 1922, 1956, 1987, 2000, 2024, 2026, 2061, 2150, 2333, 2500, 2718, 2871, 2999 ];
}

// The least separation of the Moon and a planet seen from the Earth's centre (GeoMoon and
// GeoVector without aberration) near each of its minima, by an hourly scan and golden-section
// refinement.
function MoonApproaches(body, startS, endS)
{
    const b = A.Body[body];
    const sep = (s) => {
        const t = TimeFromSeconds(s);
        return A.AngleBetween(A.GeoMoon(t), A.GeoVector(b, t, false));
    };
    const out = [];
    const step = 3600;
    let s0 = startS - step, s1 = startS, f0 = sep(s0), f1 = sep(s1);
    for (let s2 = startS + step; s2 <= endS + step; s2 += step)
    {
        const f2 = sep(s2);
        if (f1 <= f0 && f1 < f2 && f1 < 2.5)
        {
            let a = s0, c = s2;
            const g = (Math.sqrt(5) - 1) / 2;
            for (let k = 0; k < 60; ++k)
            {
                const x1 = c - g * (c - a), x2 = a + g * (c - a);
                if (sep(x1) < sep(x2))
                    c = x2;
                else
                    a = x1;
            }
            const s = (a + c) / 2, value = sep(s);
            if (value < 2.0 && s >= startS && s < endS)
                out.push([ s, value ]);
        }
        s0 = s1, f0 = f1, s1 = s2, f1 = f2;
    }
    return out;
}

// Each sample year (UT): the seasons, the Earth's perihelion and aphelion, the planets'
// conjunctions, oppositions and greatest elongations, the Moon's approaches under 2 degrees.
function YearTable()
{
    const rows = [];
    rows.push(
        `# astronomy-engine ${Version()}: events of sample years (UT), seconds since 1901.` +
        ' season: Seasons (value 0, 90, 180, 270); perihelion, aphelion: SearchPlanetApsis(Earth)' +
        ' (value: distance, AU); opposition, conjunction (Mars to Neptune), inferior, superior' +
        ' (Mercury, Venus): SearchRelativeLongitude;');
    rows.push(
        '# east, west: SearchMaxElongation (value: elongation, degrees); approach: least' +
        ' separation of GeoMoon and GeoVector(body) under 2 degrees (value: degrees).' +
        ' Made by: NODE_PATH=/tmp/astro/node_modules node tools/reference/ephemeris_reference.js almanac');
    rows.push('year_start,year_end,event,body,seconds,value');
    for (const year of SampleYears())
    {
        const start = UtSeconds(year, 1, 1), end = UtSeconds(year + 1, 1, 1);
        const head = `${start},${end}`;
        const inYear = (t) => {
            const s = (t.ut + kJ2000 - kJd1901) * kDay;
            return s >= start && s < end;
        };
        const seasons = A.Seasons(year);
        [[ seasons.mar_equinox, 0 ], [ seasons.jun_solstice, 90 ], [ seasons.sep_equinox, 180 ],
         [ seasons.dec_solstice, 270 ]]
            .forEach(([ t, lon ]) => rows.push(`${head},season,Sun,${SecondsOfTime(t)},${lon}`));
        let apsis = A.SearchPlanetApsis(A.Body.Earth, TimeFromSeconds(start - 200 * kDay));
        for (let k = 0; k < 8; ++k, apsis = A.NextPlanetApsis(A.Body.Earth, apsis))
            if (inYear(apsis.time))
                rows.push(`${head},${apsis.kind === 0 ? 'perihelion' : 'aphelion'},Earth,` +
                          `${SecondsOfTime(apsis.time)},${Fixed(apsis.dist_au, 8)}`);
        const planetEvents = [
            [ 'Mercury', 0, 'inferior' ], [ 'Mercury', 180, 'superior' ],
            [ 'Venus', 0, 'inferior' ], [ 'Venus', 180, 'superior' ]
        ];
        for (const body of ['Mars', 'Jupiter', 'Saturn', 'Uranus', 'Neptune'])
            planetEvents.push([ body, 0, 'opposition' ], [ body, 180, 'conjunction' ]);
        for (const [body, target, name] of planetEvents)
        {
            let t = TimeFromSeconds(start - 400 * kDay);
            for (let k = 0; k < 30; ++k)
            {
                t = A.SearchRelativeLongitude(A.Body[body], target, t);
                if ((t.ut + kJ2000 - kJd1901) * kDay >= end)
                    break;
                if (inYear(t))
                    rows.push(`${head},${name},${body},${SecondsOfTime(t)},`);
                t = t.AddDays(1);
            }
        }
        for (const body of ['Mercury', 'Venus'])
        {
            let t = TimeFromSeconds(start - 400 * kDay);
            for (let k = 0; k < 30; ++k)
            {
                const ev = A.SearchMaxElongation(A.Body[body], t);
                if ((ev.time.ut + kJ2000 - kJd1901) * kDay >= end)
                    break;
                if (inYear(ev.time))
                    rows.push(`${head},${ev.visibility === 'evening' ? 'east' : 'west'},${body},` +
                              `${SecondsOfTime(ev.time)},${Fixed(ev.elongation, 3)}`);
                t = ev.time.AddDays(1);
            }
        }
        for (const body of ['Mercury', 'Venus', 'Mars', 'Jupiter', 'Saturn'])
            for (const [s, value] of MoonApproaches(body, start, end))
                rows.push(`${head},approach,${body},${Fixed(s, 1)},${Fixed(value, 4)}`);
    }
    return rows;
}

// The lunar and solar eclipses of every 22nd year from 1901 and of the sample years (UT).
function EclipseTable()
{
    const rows = [];
    rows.push(
        `# astronomy-engine ${Version()}: eclipses of sample years (UT), the instant of greatest` +
        ' eclipse in seconds since 1901. lunar: SearchLunarEclipse (penumbral, partial, total;' +
        ' sd_*: semi-durations of the penumbral, partial and total phases, minutes);');
    rows.push(
        '# solar: SearchGlobalSolarEclipse (partial, annular, total; distance: of the shadow' +
        ' axis from the Earth\'s centre, km). Made by: NODE_PATH=/tmp/astro/node_modules node' +
        ' tools/reference/ephemeris_reference.js almanac');
    rows.push('year_start,year_end,eclipse,type,seconds,sd_penum,sd_partial,sd_total,distance');
    const years = new Set(SampleYears());
    for (let y = 1901; y <= 2999; y += 22)
        years.add(y);
    for (const year of [...years].sort((a, b) => a - b))
    {
        const start = UtSeconds(year, 1, 1), end = UtSeconds(year + 1, 1, 1);
        const head = `${start},${end}`;
        const inYear = (t) => {
            const s = (t.ut + kJ2000 - kJd1901) * kDay;
            return s >= start && s < end;
        };
        const beyond = (t) => (t.ut + kJ2000 - kJd1901) * kDay >= end;
        for (let e = A.SearchLunarEclipse(TimeFromSeconds(start - 20 * kDay)); !beyond(e.peak);
             e = A.NextLunarEclipse(e.peak))
            if (inYear(e.peak))
                rows.push(
                    `${head},lunar,${e.kind},${SecondsOfTime(e.peak)},${Fixed(e.sd_penum, 2)},` +
                    `${Fixed(e.sd_partial, 2)},${Fixed(e.sd_total, 2)},`);
        for (let e = A.SearchGlobalSolarEclipse(TimeFromSeconds(start - 20 * kDay));
             !beyond(e.peak); e = A.NextGlobalSolarEclipse(e.peak))
            if (inYear(e.peak))
                rows.push(
                    `${head},solar,${e.kind},${SecondsOfTime(e.peak)},,,,${Fixed(e.distance, 1)}`);
    }
    return rows;
}

function Almanac(folder)
{
    const dir = folder || path.join(__dirname, '..', '..', 'tests', 'almanac');
    fs.mkdirSync(dir, {recursive : true});
    const tables = {
        'day_reference.csv' : DayTable,
        'phase_reference.csv' : PhaseTable,
        'year_reference.csv' : YearTable,
        'eclipse_reference.csv' : EclipseTable
    };
    for (const [name, make] of Object.entries(tables))
        fs.writeFileSync(path.join(dir, name), make().join('\n') + '\n');
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
else if (mode === 'almanac')
    Almanac(process.argv[3]);
else
{
    console.error('usage: node ephemeris_reference.js tables|sky|stars|drift|almanac [folder]');
    process.exit(2);
}
