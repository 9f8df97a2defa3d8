// Synthesises the game's five sound clips and writes them as WAVE files:
//
//     make-sounds resources/sounds
//
// Every clip is made here from sine partials, pitch glides and envelopes;
// nothing is sampled. Each file is a complete RIFF WAVE image of 8-bit
// unsigned mono PCM: the 44-byte header (RIFF, WAVE, a 16-byte "fmt " chunk,
// the "data" chunk header), the samples, and a pad byte after an odd number
// of them. The sample rates and counts are the ones the game's clips have
// always had, so each lasts as long as the moment it accompanies.

#include <QByteArray>
#include <QDir>
#include <QSaveFile>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <vector>

namespace {

constexpr double Tau = 2 * std::numbers::pi;

/// One clip: its file name, its rate, how many samples, and how to make them.
struct Clip {
    const char *file;
    int rate;
    int samples;
    std::function<std::vector<double>(int rate, int samples)> synthesise;
};

/// A tone whose frequency may change over time: phase is accumulated, so a
/// glide stays free of clicks.
class Oscillator {
public:
    explicit Oscillator(int rate) : m_rate(rate) {}
    /// Advances by one sample at frequency hz; the phase in cycles (0..1).
    double step(double hz)
    {
        m_phase = std::fmod(m_phase + hz / m_rate, 1.0);
        return m_phase;
    }

private:
    int m_rate;
    double m_phase = 0;
};

/// A sum of sine partials at phase p (in cycles), each partial k + 1 with its
/// weight; partials at or above the Nyquist limit are left out, so no tone
/// folds back into a whistle.
double partials(double p, double hz, int rate, std::initializer_list<double> weights)
{
    double sum = 0;
    int k = 1;
    for (double w : weights) {
        if (hz * k < rate / 2.0)
            sum += w * std::sin(Tau * k * p);
        ++k;
    }
    return sum;
}

/// Rises linearly over attack seconds, then holds 1.
double attack(double t, double attack)
{
    return std::min(1.0, t / attack);
}

/// A short fade at both ends, so the clip starts and stops without a click.
void softenEnds(std::vector<double> &wave, int rate)
{
    const int fade = std::min<int>(rate / 200, int(wave.size()) / 2); // 5 ms
    for (int i = 0; i < fade; ++i) {
        const double g = double(i) / fade;
        wave[i] *= g;
        wave[wave.size() - 1 - i] *= g;
    }
}

// ---- The five clips ---------------------------------------------------------

/// The shape of a gliding tone through a clip: its pitch in Hz, or its
/// loudness, at t seconds, with x the share of the clip gone (0..1).
using Curve = std::function<double(double t, double x)>;

/// One tone gliding through the whole clip, of the given partials.
std::vector<double> glide(int rate, int n, const Curve &pitch, const Curve &loudness,
                          std::initializer_list<double> weights)
{
    std::vector<double> wave(n);
    Oscillator osc(rate);
    const double length = double(n) / rate;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / rate;
        const double x = t / length;
        const double hz = pitch(t, x);
        const double p = osc.step(hz);
        wave[i] = loudness(t, x) * partials(p, hz, rate, weights);
    }
    return wave;
}

/// A short hop: a quick upward chirp that dies away.
std::vector<double> hop(int rate, int n)
{
    return glide(
        rate, n, [](double t, double) { return 330 * std::pow(2.0, t / 0.27 * 1.3); },
        [](double t, double) { return attack(t, 0.004) * std::exp(-t / 0.07); }, {1.0, 0.35, 0.1});
}

/// A longer leap: up in an arc and down again, with a little wobble.
std::vector<double> leap(int rate, int n)
{
    return glide(
        rate, n,
        [](double t, double x) {
            // Pitch rises to its top at 55 % of the clip, then sinks a little.
            const double arc = x < 0.55 ? x / 0.55 : 1.0 - 0.45 * (x - 0.55) / 0.45;
            return 240 * std::pow(2.0, 2.0 * arc) * (1 + 0.015 * std::sin(Tau * 11 * t));
        },
        [](double t, double x) { return attack(t, 0.01) * (x < 0.6 ? 1.0 : std::exp(-(x - 0.6) * 6)); },
        {1.0, 0.3, 0.12});
}

/// A lost level: a buzzy tone that slides down and sags, wobbling as it
/// falls; odd partials give it the sad, hollow buzz of a falling trombone.
std::vector<double> fall(int rate, int n)
{
    return glide(
        rate, n, [](double t, double x) { return 620 * std::pow(2.0, -2.7 * x) * (1 + 0.03 * std::sin(Tau * 6 * t)); },
        [](double t, double x) { return attack(t, 0.02) * (0.75 + 0.25 * std::cos(Tau * 6 * t)) * (1 - x * x); },
        {1.0, 0.0, 0.33, 0.0, 0.18, 0.0, 0.1});
}

/// A note of the solve tune: bell-like, ringing on after the next begins.
struct Note {
    double start; // seconds
    double hz;
    double level;
};

/// Adds ringing notes into the wave.
void ring(std::vector<double> &wave, int rate, const std::vector<Note> &notes, double decay)
{
    for (const Note &note : notes) {
        const int first = int(note.start * rate);
        for (int i = first; i < int(wave.size()); ++i) {
            const double t = double(i - first) / rate;
            const double p = std::fmod(note.hz * t, 1.0);
            const double shimmer = 0.3 * std::exp(-t / 0.08); // a bright strike that mellows
            wave[i] += note.level * attack(t, 0.005) * std::exp(-t / decay)
                       * partials(p, note.hz, rate, {1.0, shimmer, 0.5 * shimmer});
        }
    }
}

/// A solved level: a cheerful run up a major chord, a skip, and the chord
/// held to ring out.
std::vector<double> solve(int rate, int n)
{
    constexpr double C5 = 523.25, E5 = 659.26, G5 = 783.99, C6 = 1046.5, E6 = 1318.5;
    std::vector<double> wave(n);
    ring(wave, rate,
         {{0.00, C5, 0.6},
          {0.14, E5, 0.6},
          {0.28, G5, 0.6},
          {0.42, C6, 0.7},
          {0.62, G5, 0.5},
          {0.76, C6, 0.6},
          {0.90, E6, 0.8}},
         0.25);
    ring(wave, rate, {{1.10, C5, 0.35}, {1.10, E5, 0.3}, {1.10, G5, 0.3}, {1.10, C6, 0.35}}, 0.7);
    return wave;
}

/// The whole set solved: a small brass fanfare, three quick calls and a
/// rising close held with vibrato.
std::vector<double> fanfare(int rate, int n)
{
    constexpr double G4 = 392.0, C5 = 523.25, E5 = 659.26, G5 = 783.99;
    struct Call {
        double start, length, hz;
    };
    const std::vector<Call> calls{{0.00, 0.11, G4}, {0.13, 0.11, G4}, {0.26, 0.11, G4}, {0.39, 0.38, C5},
                                  {0.80, 0.16, E5}, {0.99, 0.16, C5}, {1.18, 1.05, G5}};
    std::vector<double> wave(n);
    for (const Call &call : calls) {
        Oscillator osc(rate);
        const int first = int(call.start * rate);
        const int last = std::min(n, int((call.start + call.length) * rate));
        for (int i = first; i < last; ++i) {
            const double t = double(i - first) / rate;
            const double vibrato = call.length > 0.5 ? 1 + 0.006 * std::sin(Tau * 5.5 * t) * attack(t, 0.3) : 1.0;
            const double hz = call.hz * vibrato;
            const double p = osc.step(hz);
            // A brass note brightens as it is blown: the upper partials come in late.
            const double blow = attack(t, 0.05);
            const double tone =
                partials(p, hz, rate, {1.0, 0.7 * blow, 0.5 * blow, 0.35 * blow, 0.22 * blow, 0.12 * blow});
            const double release = std::min(1.0, (call.length - t) / 0.04);
            const double fadeOut = call.length > 0.5 ? std::exp(-t / 1.2) : 1.0;
            wave[i] += attack(t, 0.02) * release * fadeOut * tone;
        }
    }
    return wave;
}

// ---- The WAVE image -----------------------------------------------------------

/// The wave scaled to a peak of 0.9 and turned into unsigned 8-bit samples
/// around the silent middle, 128.
QByteArray toUnsigned8(std::vector<double> wave, int rate)
{
    softenEnds(wave, rate);
    double peak = 0;
    for (double v : wave)
        peak = std::max(peak, std::abs(v));
    const double gain = peak > 0 ? 0.9 / peak : 0;
    QByteArray bytes(qsizetype(wave.size()), char(128));
    for (size_t i = 0; i < wave.size(); ++i)
        bytes[qsizetype(i)] = char(std::clamp(int(std::lround(128 + 127 * gain * wave[i])), 0, 255));
    return bytes;
}

void appendLittleEndian(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

/// The complete WAVE image of 8-bit mono samples at rate. The RIFF size
/// counts everything after its own field, the pad byte included; the data
/// size counts the samples only.
QByteArray waveImage(const QByteArray &samples, int rate)
{
    const quint32 pad = samples.size() % 2;
    QByteArray out;
    out.append("RIFF");
    appendLittleEndian(out, 4 + (8 + 16) + (8 + quint32(samples.size()) + pad), 4);
    out.append("WAVEfmt ");
    appendLittleEndian(out, 16, 4); // format chunk size
    appendLittleEndian(out, 1, 2);  // PCM
    appendLittleEndian(out, 1, 2);  // mono
    appendLittleEndian(out, quint32(rate), 4);
    appendLittleEndian(out, quint32(rate), 4); // bytes per second: one byte per sample
    appendLittleEndian(out, 1, 2);             // block align
    appendLittleEndian(out, 8, 2);             // bits per sample
    out.append("data");
    appendLittleEndian(out, quint32(samples.size()), 4);
    out.append(samples);
    if (pad)
        out.append('\0');
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-sounds FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make-sounds: cannot create %s\n", argv[1]);
        return 1;
    }
    const std::vector<Clip> clips{
        {"shortjump.wav", 22050, 5960, hop},      {"longjump.wav", 22050, 12104, leap},
        {"lost.wav", 22050, 44872, fall},         {"levelsolved.wav", 22050, 69744, solve},
        {"allsolved.wav", 11025, 25365, fanfare},
    };
    for (const Clip &clip : clips) {
        const QString path = folder.filePath(QString::fromLatin1(clip.file));
        QSaveFile file(path);
        const QByteArray image = waveImage(toUnsigned8(clip.synthesise(clip.rate, clip.samples), clip.rate), clip.rate);
        // Unbuffered, so a failed write shows at once instead of vanishing in commit().
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(image) != image.size()
            || !file.commit()) {
            std::fprintf(stderr, "make-sounds: cannot write %s: %s\n", qPrintable(path),
                         qPrintable(file.errorString()));
            return 1;
        }
        std::printf("%s: %d samples at %d Hz, %lld bytes\n", qPrintable(path), clip.samples, clip.rate,
                    static_cast<long long>(image.size()));
    }
    return 0;
}
