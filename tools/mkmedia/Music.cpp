// The background music: six short pieces synthesised note by note. Each piece is written into
// a circular buffer exactly one loop long, so a note that rings past the end of the loop goes
// on at its start, and the reverberation runs over the loop twice so that its state at the
// join equals its state at the start. Played in a loop, the file has no seam.
#include "Art.h"
#include "Generators.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace
{
constexpr int kRate = 22050;
constexpr double kTwoPi = 6.28318530717958647692;
constexpr int kTableSize = 4096;

double MidiToHz(double note)
{
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

// One cycle of a soft, band-limited sawtooth (ten harmonics, rolled off above the fourth).
const std::vector<float>& SoftSaw()
{
    static const std::vector<float> table = []
    {
        std::vector<float> t(kTableSize + 1);
        double peak = 0.0;
        for (int i = 0; i <= kTableSize; ++i)
        {
            double v = 0.0;
            for (int h = 1; h <= 10; ++h)
                v += std::sin(kTwoPi * h * i / kTableSize) / h / (1.0 + 0.15 * h * h);
            t[i] = float(v);
            peak = std::max(peak, std::fabs(v));
        }
        for (float& v : t)
            v = float(v / peak);
        return t;
    }();
    return table;
}

const std::vector<float>& Sine()
{
    static const std::vector<float> table = []
    {
        std::vector<float> t(kTableSize + 1);
        for (int i = 0; i <= kTableSize; ++i)
            t[i] = float(std::sin(kTwoPi * i / kTableSize));
        return t;
    }();
    return table;
}

// Table lookup with linear interpolation; `phase` in cycles, any value.
inline double Lookup(const std::vector<float>& table, double phase)
{
    phase -= std::floor(phase);
    const double pos = phase * kTableSize;
    const int i = int(pos);
    const double f = pos - i;
    return table[i] + (table[i + 1] - table[i]) * f;
}

enum class Voice
{
    Pad,   // slow detuned strings of soft sawtooth through a gentle low-pass
    Bell,  // frequency-modulated bell with an inharmonic partial
    Pluck, // short plucked tone for arpeggios
    Bass,  // round sine bass
    Piano, // soft electric piano: sine pair with a quick bell-like attack
    Glass  // high shimmering sine with slow vibrato
};

struct Note
{
    double beat;   // start, in beats from the start of the loop
    double length; // held for, in beats
    double midi;   // pitch
    Voice voice;
    double velocity; // 0..1
    double pan;      // -1 left .. 1 right
};

class Loop
{
public:
    explicit Loop(double seconds)
        : frames(int(std::lround(seconds * kRate))), left(frames), right(frames)
    {
    }

    int Frames() const { return frames; }

    // Renders `note` with the tempo `secondsPerBeat`, wrapping past the end of the loop.
    void Add(const Note& note, double secondsPerBeat);
    // Freeverb-style reverberation (Jezar's public-domain design, at half rate) run twice round
    // the loop; `wet` is the share of reverberated signal.
    void Reverb(double wet, double roomFeedback, double damping);
    // Removes the mean (no DC), scales the peak to `peak` of full scale and writes 16-bit PCM.
    bool Write(const QString& path, double peak);

private:
    int frames;
    std::vector<double> left, right;
};

void Loop::Add(const Note& note, double secondsPerBeat)
{
    const double hz = MidiToHz(note.midi);
    const double hold = note.length * secondsPerBeat;
    double attack = 0.01, release = 0.3;
    switch (note.voice)
    {
    case Voice::Pad:
        attack = std::min(1.6, hold * 0.45);
        release = 2.6;
        break;
    case Voice::Bell:
        attack = 0.004;
        release = 3.5;
        break;
    case Voice::Pluck:
        attack = 0.004;
        release = 1.2;
        break;
    case Voice::Bass:
        attack = 0.25;
        release = 1.2;
        break;
    case Voice::Piano:
        attack = 0.006;
        release = 1.6;
        break;
    case Voice::Glass:
        attack = 0.8;
        release = 2.5;
        break;
    }
    const double total = hold + release;
    const int count = std::min(frames, int(total * kRate));
    const int start = int(std::lround(note.beat * secondsPerBeat * kRate)) % frames;
    const double gainL = std::sqrt(0.5 * (1.0 - note.pan)),
                 gainR = std::sqrt(0.5 * (1.0 + note.pan));
    const std::vector<float>& saw = SoftSaw();
    const std::vector<float>& sine = Sine();
    double lp1 = 0.0, lp2 = 0.0, lp3 = 0.0;
    const double detune[3] = {std::pow(2.0, -7.0 / 1200), 1.0, std::pow(2.0, 6.0 / 1200)};
    // Exponential decays advanced by one factor per sample: main decay and three partials.
    const double mainRate = note.voice == Voice::Bell    ? 1.1
                            : note.voice == Voice::Pluck ? 3.2
                            : note.voice == Voice::Piano ? 1.4
                                                         : 0.0;
    const double partialRates[3] = {note.voice == Voice::Bell ? 2.5 : 4.0,
                                    note.voice == Voice::Bell ? 2.0 : 7.0,
                                    note.voice == Voice::Piano ? 6.0 : 9.0};
    double decay = 1.0, partial[3] = {1.0, 1.0, 1.0};
    const double decayStep = std::exp(-mainRate / kRate);
    double partialStep[3];
    for (int k = 0; k < 3; ++k)
        partialStep[k] = std::exp(-partialRates[k] / kRate);
    double filterK = 0.0;
    for (int i = 0; i < count; ++i)
    {
        const double t = double(i) / kRate;
        // Envelope: raised-cosine attack, then sustain or decay, then a release that ends at
        // exactly zero so that no note leaves a step behind.
        double env = t < attack ? 0.5 - 0.5 * std::cos(M_PI * t / attack) : 1.0;
        if (t > hold)
        {
            const double r = (t - hold) / release;
            env *= r >= 1.0 ? 0.0 : 0.5 + 0.5 * std::cos(M_PI * r);
        }
        env *= decay;
        decay *= decayStep;
        double l = 0.0, r = 0.0;
        switch (note.voice)
        {
        case Voice::Pad:
        {
            const double a = Lookup(saw, hz * detune[0] * t);
            const double b = Lookup(saw, hz * detune[1] * t + 0.33);
            const double c = Lookup(saw, hz * detune[2] * t + 0.71);
            // Three one-pole low-passes side by side; the cut-off breathes slowly.
            if (i % 64 == 0)
            {
                const double cutoff = 900.0 + 500.0 * std::sin(kTwoPi * 0.07 * t + note.midi);
                filterK = 1.0 - std::exp(-kTwoPi * cutoff / kRate);
            }
            lp1 += filterK * (a - lp1);
            lp2 += filterK * (c - lp2);
            lp3 += filterK * (b - lp3);
            l = 0.75 * lp1 + 0.45 * lp3;
            r = 0.75 * lp2 + 0.45 * lp3;
            break;
        }
        case Voice::Bell:
        {
            const double index = 0.9 * partial[0] + 0.1;
            const double mod = Lookup(sine, hz * 3.5 * t);
            const double v = Lookup(sine, hz * t + index * mod / M_PI) +
                             0.25 * Lookup(sine, hz * 2.76 * t) * partial[1];
            l = r = v * 0.8;
            break;
        }
        case Voice::Pluck:
        {
            const double v = Lookup(sine, hz * t) + 0.35 * Lookup(sine, 2 * hz * t) * partial[0] +
                             0.15 * Lookup(sine, 3 * hz * t) * partial[1];
            l = r = v * 0.8;
            break;
        }
        case Voice::Bass:
        {
            const double v = Lookup(sine, hz * t) + 0.18 * Lookup(sine, 2 * hz * t);
            l = r = v * 0.9;
            break;
        }
        case Voice::Piano:
        {
            const double tremolo = 1.0 + 0.12 * Lookup(sine, 4.5 * t);
            const double v = Lookup(sine, hz * t + 0.3 * Lookup(sine, hz * t) * partial[2]) +
                             0.2 * Lookup(sine, 4 * hz * t) * partial[1] * partial[0];
            l = v * tremolo * 0.8;
            r = v * (2.0 - tremolo) * 0.8;
            break;
        }
        case Voice::Glass:
        {
            // Vibrato of 0.4 % at 5 Hz, applied to the phase so the pitch stays centred.
            const double vib = hz * 0.004 / (kTwoPi * 5.0) * Lookup(sine, 5.0 * t);
            const double v = Lookup(sine, hz * t + vib) + 0.3 * Lookup(sine, 2.0 * (hz * t + vib));
            l = r = v * 0.5;
            break;
        }
        }
        for (int k = 0; k < 3; ++k)
            partial[k] *= partialStep[k];
        const int at = (start + i) % frames;
        left[at] += l * env * note.velocity * gainL;
        right[at] += r * env * note.velocity * gainR;
    }
}

struct Comb
{
    std::vector<double> buffer;
    int index = 0;
    double store = 0.0;
    double Process(double input, double feedback, double damp)
    {
        const double out = buffer[index];
        store = out * (1.0 - damp) + store * damp;
        buffer[index] = input + store * feedback;
        if (++index >= int(buffer.size()))
            index = 0;
        return out;
    }
};

struct Allpass
{
    std::vector<double> buffer;
    int index = 0;
    double Process(double input)
    {
        const double delayed = buffer[index];
        const double out = -input + delayed;
        buffer[index] = input + delayed * 0.5;
        if (++index >= int(buffer.size()))
            index = 0;
        return out;
    }
};

void Loop::Reverb(double wet, double roomFeedback, double damping)
{
    const int combLengths[] = {558, 594, 638, 678, 711, 745};
    const int allpassLengths[] = {278, 220, 170};
    const int spread = 12;
    std::vector<Comb> combsL, combsR;
    std::vector<Allpass> passL, passR;
    for (int n : combLengths)
    {
        combsL.push_back({std::vector<double>(n, 0.0)});
        combsR.push_back({std::vector<double>(n + spread, 0.0)});
    }
    for (int n : allpassLengths)
    {
        passL.push_back({std::vector<double>(n, 0.0)});
        passR.push_back({std::vector<double>(n + spread, 0.0)});
    }
    std::vector<double> outL(frames), outR(frames);
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < frames; ++i)
        {
            const double input = (left[i] + right[i]) * 0.15;
            double l = 0.0, r = 0.0;
            for (Comb& c : combsL)
                l += c.Process(input, roomFeedback, damping);
            for (Comb& c : combsR)
                r += c.Process(input, roomFeedback, damping);
            for (Allpass& a : passL)
                l = a.Process(l);
            for (Allpass& a : passR)
                r = a.Process(r);
            if (pass == 1)
            {
                outL[i] = left[i] * (1.0 - wet) + l * wet;
                outR[i] = right[i] * (1.0 - wet) + r * wet;
            }
        }
    left.swap(outL);
    right.swap(outR);
}

void PutLe(QByteArray& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

bool Loop::Write(const QString& path, double peak)
{
    double meanL = 0.0, meanR = 0.0;
    for (int i = 0; i < frames; ++i)
    {
        meanL += left[i];
        meanR += right[i];
    }
    meanL /= frames;
    meanR /= frames;
    double top = 1e-9;
    for (int i = 0; i < frames; ++i)
    {
        left[i] -= meanL;
        right[i] -= meanR;
        top = std::max({top, std::fabs(left[i]), std::fabs(right[i])});
    }
    const double scale = peak * 32767.0 / top;
    QByteArray data;
    const std::uint32_t bytes = std::uint32_t(frames) * 4;
    data.append("RIFF");
    PutLe(data, 36 + bytes, 4);
    data.append("WAVEfmt ");
    PutLe(data, 16, 4);
    PutLe(data, 1, 2);         // PCM
    PutLe(data, 2, 2);         // stereo
    PutLe(data, kRate, 4);     // frames per second
    PutLe(data, kRate * 4, 4); // bytes per second
    PutLe(data, 4, 2);         // bytes per frame
    PutLe(data, 16, 2);        // bits per sample
    data.append("data");
    PutLe(data, bytes, 4);
    for (int i = 0; i < frames; ++i)
    {
        PutLe(data, std::uint16_t(std::int16_t(std::lround(left[i] * scale))), 2);
        PutLe(data, std::uint16_t(std::int16_t(std::lround(right[i] * scale))), 2);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// A chord held for `beats`, starting at `beat`: pad on every note, bass on the root.
void Chord(std::vector<Note>& notes, double beat, double beats, std::initializer_list<int> pitches,
           double padVelocity = 0.22, double bassVelocity = 0.4)
{
    int i = 0;
    const int n = int(pitches.size());
    for (int p : pitches)
    {
        if (i == 0 && bassVelocity > 0)
            notes.push_back({beat, beats * 0.95, double(p - 12), Voice::Bass, bassVelocity, 0.0});
        else
            notes.push_back({beat, beats * 0.95, double(p), Voice::Pad, padVelocity,
                             -0.6 + 1.2 * i / std::max(1, n - 1)});
        ++i;
    }
}

// Arpeggio over `pitches`, one note every `step` beats, going up and down.
void Arpeggio(std::vector<Note>& notes, double beat, double beats, double step,
              const std::vector<int>& pitches, Voice voice, double velocity)
{
    const int n = int(pitches.size());
    const int cycle = std::max(1, 2 * n - 2);
    int k = 0;
    for (double b = beat; b < beat + beats - 1e-9; b += step, ++k)
    {
        const int pos = k % cycle;
        const int idx = pos < n ? pos : cycle - pos;
        const double accent = (k % 4 == 0) ? 1.0 : 0.75;
        notes.push_back({b, step * 0.9, double(pitches[idx]), voice, velocity * accent,
                         -0.5 + double(idx) / std::max(1, n - 1)});
    }
}

struct Piece
{
    const char* name;
    double bpm;
    double beats;
    double wet;
    std::vector<Note> notes;
};

Piece TitlePiece()
{
    Piece piece{"Title", 60, 32, 0.38, {}};
    auto& n = piece.notes;
    // C major: Cmaj9, Am9, Fmaj9, Gsus, Cmaj9, Em7, Fmaj7, Gsus - G.
    const std::initializer_list<int> chords[] = {
        {48, 64, 67, 71, 74}, {45, 60, 64, 67, 71}, {41, 57, 64, 67, 69}, {43, 62, 65, 67, 72},
        {48, 64, 67, 71, 74}, {40, 59, 62, 67, 71}, {41, 57, 60, 64, 69}, {43, 59, 62, 65, 67}};
    for (int bar = 0; bar < 8; ++bar)
        Chord(n, bar * 4, 4, chords[bar]);
    const double melody[][3] = {{0, 2, 76},  {2, 2, 79},  {4, 3, 83},  {7, 1, 81},  {8, 4, 77},
                                {12, 2, 79}, {14, 2, 74}, {16, 2, 76}, {18, 2, 79}, {20, 3, 83},
                                {23, 1, 86}, {24, 3, 84}, {27, 1, 81}, {28, 4, 79}};
    for (const auto& m : melody)
        n.push_back({m[0], m[1], m[2], Voice::Bell, 0.32, 0.25});
    for (int b = 0; b < 32; b += 2)
        n.push_back({b + 1.0, 0.5, double(b % 8 < 4 ? 91 : 88), Voice::Glass, 0.05, -0.4});
    return piece;
}

Piece MainPiece()
{
    Piece piece{"Main", 64, 32, 0.3, {}};
    auto& n = piece.notes;
    // D major: Dmaj7, Bm7, Gmaj7, A6 - twice, the second time ending on Asus.
    const std::initializer_list<int> chords[] = {
        {50, 62, 66, 69, 73}, {47, 62, 66, 69, 71}, {43, 62, 66, 67, 71}, {45, 61, 64, 66, 69},
        {50, 62, 66, 69, 73}, {47, 62, 66, 69, 71}, {43, 59, 62, 66, 71}, {45, 62, 64, 67, 69}};
    const std::vector<int> arps[] = {
        {62, 66, 69, 73, 74}, {59, 62, 66, 69, 71}, {55, 59, 62, 66, 67}, {57, 61, 64, 66, 69},
        {62, 66, 69, 73, 76}, {59, 62, 66, 69, 74}, {55, 59, 62, 66, 71}, {57, 62, 64, 67, 69}};
    for (int bar = 0; bar < 8; ++bar)
    {
        Chord(n, bar * 4, 4, chords[bar], 0.18, 0.35);
        Arpeggio(n, bar * 4, 4, 0.5, arps[bar], Voice::Pluck, 0.2);
    }
    const double melody[][3] = {{2, 2, 78},  {6, 2, 76},  {10, 2, 74}, {13, 3, 73},
                                {18, 2, 78}, {22, 2, 81}, {26, 2, 79}, {29, 3, 76}};
    for (const auto& m : melody)
        n.push_back({m[0], m[1], m[2], Voice::Bell, 0.22, -0.2});
    return piece;
}

Piece SolarSystemPiece()
{
    Piece piece{"SolarSystem", 90, 48, 0.3, {}};
    auto& n = piece.notes;
    // E minor, an orbiting arpeggio in triplets: Em9, Cmaj7, Am9, Bsus - B7, each three bars.
    const std::initializer_list<int> chords[] = {
        {40, 55, 59, 62, 66}, {36, 55, 59, 64, 67}, {45, 55, 60, 64, 71}, {47, 54, 57, 61, 64}};
    const std::vector<int> arps[] = {{64, 67, 71, 74, 78, 79},
                                     {60, 64, 67, 71, 72, 76},
                                     {57, 60, 64, 67, 71, 72},
                                     {59, 63, 66, 69, 71, 75}};
    for (int c = 0; c < 4; ++c)
    {
        Chord(n, c * 12, 12, chords[c], 0.2, 0.0);
        for (int pulse = 0; pulse < 12; pulse += 2)
            n.push_back({c * 12.0 + pulse, 1.6, double(*chords[c].begin() - 12), Voice::Bass,
                         pulse % 4 == 0 ? 0.45 : 0.3, 0.0});
        Arpeggio(n, c * 12, 12, 1.0 / 3.0, arps[c], Voice::Pluck, 0.16);
    }
    const double melody[][3] = {{0, 3, 83},  {6, 3, 79},  {12, 3, 84}, {18, 3, 79},
                                {24, 3, 81}, {30, 3, 76}, {36, 3, 78}, {42, 4, 75}};
    for (const auto& m : melody)
        n.push_back({m[0], m[1], m[2], Voice::Bell, 0.2, 0.35});
    return piece;
}

Piece StarMapPiece()
{
    Piece piece{"StarMap", 50, 30, 0.5, {}};
    auto& n = piece.notes;
    // A Dorian over a pedal A: Am9, D9/A, Am9, Fmaj7/A, Gadd9/A, each six beats or so.
    const std::initializer_list<int> chords[] = {{45, 60, 64, 67, 71},
                                                 {45, 60, 62, 66, 69},
                                                 {45, 60, 64, 67, 71},
                                                 {45, 57, 60, 64, 65},
                                                 {45, 59, 62, 67, 69}};
    for (int c = 0; c < 5; ++c)
        Chord(n, c * 6, 6, chords[c], 0.2, 0.38);
    // Twinkling: a repeatable scatter of high pentatonic bells.
    const int scale[] = {81, 84, 86, 88, 91, 93, 96};
    Rng rng(302);
    for (double b = 0.5; b < 30; b += rng.Range(0.75, 2.25))
        n.push_back({b, 0.5, double(scale[rng.Next() % 7]), Voice::Bell, rng.Range(0.08, 0.2),
                     rng.Range(-0.8, 0.8)});
    for (int b = 0; b < 30; b += 6)
        n.push_back({b + 3.0, 4.0, 76.0 + (b % 12 == 0 ? 0 : 2), Voice::Glass, 0.08, 0.3});
    return piece;
}

Piece DataBasePiece()
{
    Piece piece{"DataBase", 80, 32, 0.28, {}};
    auto& n = piece.notes;
    // F major, electric piano chords: Fmaj7, Dm9, Bbmaj7, C6, Fmaj7, Am7, Bbmaj9, Csus.
    const std::initializer_list<int> chords[] = {
        {41, 57, 60, 64, 69}, {38, 57, 60, 64, 65}, {46, 57, 62, 65, 69}, {48, 57, 60, 64, 67},
        {41, 57, 60, 64, 69}, {45, 55, 60, 64, 67}, {46, 57, 60, 62, 65}, {48, 55, 60, 65, 67}};
    for (int bar = 0; bar < 8; ++bar)
    {
        Chord(n, bar * 4, 4, chords[bar], 0.1, 0.35);
        for (double hit : {0.0, 1.5, 2.5})
        {
            int k = 0;
            for (int p : chords[bar])
            {
                if (k++ > 0)
                    n.push_back({bar * 4 + hit + 0.02 * k, 0.8, double(p), Voice::Piano,
                                 hit == 0.0 ? 0.16 : 0.11, -0.4 + 0.2 * k});
            }
        }
    }
    const double melody[][3] = {{1, 1, 76},  {2, 2, 77},  {5, 1, 74},  {6, 2, 72},  {9, 1, 74},
                                {10, 2, 77}, {13, 2, 76}, {17, 1, 81}, {18, 2, 79}, {21, 1, 76},
                                {22, 2, 72}, {25, 1, 74}, {26, 2, 77}, {29, 3, 79}};
    for (const auto& m : melody)
        n.push_back({m[0], m[1], m[2], Voice::Bell, 0.2, 0.3});
    return piece;
}

Piece VideoPiece()
{
    Piece piece{"Video", 66, 24, 0.45, {}};
    auto& n = piece.notes;
    // B-flat Lydian: Bbmaj7#11 and C/Bb alternating, then Gm9 and Ebmaj9.
    const std::initializer_list<int> chords[] = {
        {46, 62, 65, 69, 76}, {46, 60, 64, 67, 72}, {43, 58, 62, 65, 69}, {39, 58, 62, 65, 70}};
    for (int c = 0; c < 4; ++c)
        Chord(n, c * 6, 6, chords[c], 0.24, 0.38);
    const std::vector<int> shimmer = {77, 81, 84, 88};
    for (int c = 0; c < 4; ++c)
        Arpeggio(n, c * 6 + 0.5, 5, 1.0, shimmer, Voice::Glass, 0.07);
    const double melody[][3] = {{0, 3, 81}, {6, 3, 84}, {12, 3, 82}, {18, 4, 79}};
    for (const auto& m : melody)
        n.push_back({m[0], m[1], m[2], Voice::Bell, 0.22, -0.3});
    return piece;
}
} // namespace

bool MakeMusic(const QString& runtimeDir)
{
    bool ok = true;
    for (const Piece& piece : {TitlePiece(), MainPiece(), SolarSystemPiece(), StarMapPiece(),
                               DataBasePiece(), VideoPiece()})
    {
        const double secondsPerBeat = 60.0 / piece.bpm;
        Loop loop(piece.beats * secondsPerBeat);
        for (const Note& note : piece.notes)
            loop.Add(note, secondsPerBeat);
        loop.Reverb(piece.wet, 0.84, 0.35);
        const QString path = runtimeDir + "/Sound/" + piece.name + ".wav";
        // -3 dBFS peak.
        ok = Report(loop.Write(path, 0.7079), path) && ok;
    }
    return ok;
}
