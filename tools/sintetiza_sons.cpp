// sintetiza_sons: writes the three sounds of a fresh installation.
//
//   sintetiza_sons PASTA
//
// creates PASTA/welcomeb.wav (welcome chime), PASTA/aguarda.wav (a waiting
// sound that loops without a seam) and PASTA/virafolh.wav (a page turn).
// Every file is PCM 16-bit little-endian, mono, 22050 Hz. The sounds are
// computed, not recorded, and the noise comes from our own fixed-seed
// generator, so every run writes the same bytes.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kTaxa = 22050;  // samples per second
constexpr double kDoisPi = 2.0 * std::numbers::pi;

using Sinal = std::vector<double>;

// Scales the signal so that its largest magnitude equals `pico` (0..1).
void Normaliza(Sinal& s, double pico) {
    double maior = 0.0;
    for (double v : s) maior = std::max(maior, std::abs(v));
    if (maior > 0.0)
        for (double& v : s) v *= pico / maior;
}

void PoeU16(std::string& b, std::uint16_t v) {
    b += static_cast<char>(v & 0xFF);
    b += static_cast<char>(v >> 8);
}

void PoeU32(std::string& b, std::uint32_t v) {
    PoeU16(b, static_cast<std::uint16_t>(v & 0xFFFF));
    PoeU16(b, static_cast<std::uint16_t>(v >> 16));
}

// Writes a canonical 44-byte-header WAV file, byte order fixed whatever the host.
bool GravaWav(const std::filesystem::path& arquivo, const Sinal& s) {
    const auto bytesDados = static_cast<std::uint32_t>(s.size() * 2);
    std::string b;
    b.reserve(44 + bytesDados);
    b += "RIFF";
    PoeU32(b, 36 + bytesDados);
    b += "WAVEfmt ";
    PoeU32(b, 16);         // size of the format chunk
    PoeU16(b, 1);          // PCM
    PoeU16(b, 1);          // mono
    PoeU32(b, kTaxa);
    PoeU32(b, kTaxa * 2);  // bytes per second
    PoeU16(b, 2);          // bytes per frame
    PoeU16(b, 16);         // bits per sample
    b += "data";
    PoeU32(b, bytesDados);
    for (double v : s) {
        const long q = std::clamp(std::lround(v * 32767.0), -32767L, 32767L);
        PoeU16(b, static_cast<std::uint16_t>(static_cast<std::int16_t>(q)));
    }
    std::ofstream f(arquivo, std::ios::binary);
    f.write(b.data(), static_cast<std::streamsize>(b.size()));
    return static_cast<bool>(f);
}

// Welcome: a rising C major arpeggio of bell-like notes that ring together.
Sinal BoasVindas() {
    const int n = kTaxa * 3 / 2;  // 1.5 s
    Sinal s(n, 0.0);
    struct Nota { double freq, inicio, volume; };
    const Nota notas[] = {
        {523.25, 0.00, 1.00},   // C5
        {659.25, 0.12, 0.85},   // E5
        {783.99, 0.24, 0.75},   // G5
        {1046.50, 0.36, 0.60},  // C6
    };
    // Partials of each note: multiple of the fundamental, weight, decay rate (1/s).
    struct Parcial { double multiplo, peso, queda; };
    const Parcial parciais[] = {{1.0, 1.0, 3.0}, {2.0, 0.35, 5.0}, {3.0, 0.12, 8.0}};
    const double ataque = 0.020;  // a soft 20 ms rise avoids a hard click
    for (const Nota& nota : notas) {
        const int primeira = static_cast<int>(nota.inicio * kTaxa);
        for (int i = primeira; i < n; ++i) {
            const double t = static_cast<double>(i - primeira) / kTaxa;
            const double subida = t < ataque ? 0.5 - 0.5 * std::cos(std::numbers::pi * t / ataque) : 1.0;
            double v = 0.0;
            for (const Parcial& p : parciais)
                v += p.peso * std::exp(-p.queda * t) * std::sin(kDoisPi * nota.freq * p.multiplo * t);
            s[i] += nota.volume * subida * v;
        }
    }
    // The last 0.15 s close to silence so the file does not end on a step.
    const int fim = kTaxa * 15 / 100;
    for (int i = 0; i < fim; ++i)
        s[n - fim + i] *= 0.5 + 0.5 * std::cos(std::numbers::pi * (i + 1) / fim);
    Normaliza(s, 0.70);
    return s;
}

// Waiting: a soft A major chord that swells once per loop. Every component
// completes a whole number of cycles over the file, so the last sample runs
// straight on into the first when the file is played in a loop.
Sinal Aguarda() {
    const int n = kTaxa * 2;  // 2 s: a frequency of k/2 Hz gives exactly k cycles
    Sinal s(n, 0.0);
    struct Tom { double ciclos, peso; };  // cycles per file, weight
    const Tom tons[] = {
        {440, 1.00}, {441, 0.60},  // A3 and a slightly sharp twin: one slow beat per loop
        {660, 0.55},               // E4
        {880, 0.45},               // A4
        {1109, 0.25},              // C#5 (554.5 Hz)
        {1320, 0.10},              // E5, a faint shimmer
    };
    for (int i = 0; i < n; ++i) {
        const double fase = static_cast<double>(i) / n;  // 0..1 over the loop
        double v = 0.0;
        for (const Tom& t : tons) v += t.peso * std::sin(kDoisPi * t.ciclos * fase);
        const double respiro = 0.45 + 0.55 * (0.5 - 0.5 * std::cos(kDoisPi * fase));
        s[i] = respiro * v;
    }
    Normaliza(s, 0.45);
    return s;
}

// Small xorshift generator: the same noise on every platform and every run.
class Ruido {
public:
    double Proximo() {  // uniform in [-1, 1)
        estado_ ^= estado_ << 13;
        estado_ ^= estado_ >> 17;
        estado_ ^= estado_ << 5;
        return static_cast<double>(estado_) / 2147483648.0 - 1.0;
    }
private:
    std::uint32_t estado_ = 0x2545F491u;
};

// Page turn: noise through a band-pass filter whose centre sweeps up and back
// down, under an envelope that rises quickly and fades slowly.
Sinal ViraFolha() {
    const int n = kTaxa * 2 / 5;  // 0.4 s
    Sinal s(n, 0.0);
    Ruido ruido;
    // Band-pass in trapezoidal state-variable form: stays stable at any centre.
    const double amortecimento = 1.2;  // broad band: a breath of paper, not a whistle
    double memoria1 = 0.0, memoria2 = 0.0;
    for (int i = 0; i < n; ++i) {
        const double x = static_cast<double>(i) / (n - 1);  // 0..1
        const double centro = 600.0 + 2900.0 * std::pow(std::sin(std::numbers::pi * x), 2.0);
        const double g = std::tan(std::numbers::pi * centro / kTaxa);
        const double a1 = 1.0 / (1.0 + g * (g + amortecimento));
        const double v3 = ruido.Proximo() - memoria2;
        const double banda = a1 * memoria1 + g * a1 * v3;
        const double baixa = memoria2 + g * banda;
        memoria1 = 2.0 * banda - memoria1;
        memoria2 = 2.0 * baixa - memoria2;
        const double envelope = std::pow(std::sin(std::numbers::pi * std::pow(x, 0.6)), 2.0);
        s[i] = envelope * banda;
    }
    Normaliza(s, 0.50);
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: %s PASTA\n", argv[0]);
        return 2;
    }
    const std::filesystem::path pasta = argv[1];
    std::error_code erro;
    std::filesystem::create_directories(pasta, erro);
    struct Saida { const char* nome; Sinal sinal; };
    const Saida saidas[] = {
        {"welcomeb.wav", BoasVindas()},
        {"aguarda.wav", Aguarda()},
        {"virafolh.wav", ViraFolha()},
    };
    for (const Saida& s : saidas) {
        if (!GravaWav(pasta / s.nome, s.sinal)) {
            std::fprintf(stderr, "não foi possível gravar %s\n", (pasta / s.nome).string().c_str());
            return 1;
        }
    }
    return 0;
}
