// Feeds the property check in fuzz_qcf.cpp with seeded random and mutated inputs,
// so that the regular build checks it without libFuzzer.
// Usage: random_qcf [inputs [seed]]
#include "files/qcf_format.h"

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

std::string current; // the input under test, saved if a check aborts

void saveCurrent(int) {
    static const char name[] = "random_qcf-failure.bin";
    const int fd = ::open(name, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
        [[maybe_unused]] ssize_t n = ::write(fd, current.data(), current.size());
        ::close(fd);
    }
    static const char note[] = "failing input written to random_qcf-failure.bin\n";
    [[maybe_unused]] ssize_t n = ::write(2, note, sizeof note - 1);
    std::signal(SIGABRT, SIG_DFL);
    std::raise(SIGABRT);
}

using namespace std::string_literals;

// clang-format off
const std::vector<std::string> tokens = {
    "\""s, ","s, "\r\n"s, "\r"s, "\n"s, " "s, "\t"s, "\"\""s, ",,"s, "0"s, "-"s, "+"s, "."s, "E"s,
    "D"s, "160"s, "151"s, "32767"s, "32768"s, "-32768"s, "-32769"s, "2.5"s, "-32768.5"s, "1E2"s,
    "9E99"s, "1E-400"s, "DESIGNATION "s, "PANEL 7"s, "\0"s, "\xFF"s, "\xC4"s};
// clang-format on

std::vector<std::string> seedFiles() {
    qcf::Configuration c;
    c.panel = "PANEL 7";
    c.designations.fill("DESIGNATION ");
    c.codes.fill(160);
    c.codes[20] = 151;
    std::vector<std::string> seeds;
    const QByteArray initial = qcf::format(c);
    seeds.emplace_back(initial.constData(), initial.size());
    QByteArray lines = initial;
    lines.replace(',', "\n");
    seeds.emplace_back(lines.constData(), lines.size());
    c.panel = "A,B\r\n\xE9";
    c.designations[3] = "";
    c.codes = {0, -1, 32767, -32768, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21};
    const QByteArray mixed = qcf::format(c);
    seeds.emplace_back(mixed.constData(), mixed.size());
    return seeds;
}

} // namespace

int main(int argc, char **argv) {
    const long inputs = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 20000;
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    std::signal(SIGABRT, saveCurrent);

    const std::vector<std::string> seeds = seedFiles();
    std::mt19937_64 rng(seed);
    auto below = [&](std::size_t n) { return n == 0 ? 0 : std::size_t(rng() % n); };
    auto randomByte = [&] {
        static const char common[] = "\",\r\n \t0123456789-+.EeDd\"";
        return below(3) == 0 ? char(rng()) : common[below(sizeof common - 1)];
    };

    for (long i = 0; i < inputs; ++i) {
        switch (i % 3) {
        case 0: // bytes, biased towards those the reader cares about
            current.assign(below(400), '\0');
            for (char &b : current)
                b = randomByte();
            break;
        case 1: // a run of tokens
            current.clear();
            for (std::size_t n = below(150); n > 0; --n)
                current += tokens[below(tokens.size())];
            break;
        default: // a mutated valid file
            current = seeds[below(seeds.size())];
            for (std::size_t n = 1 + below(6); n > 0; --n) {
                const std::size_t at = below(current.size() + 1);
                switch (below(5)) {
                case 0:
                    if (at < current.size()) current[at] = randomByte();
                    break;
                case 1:
                    current.insert(at, tokens[below(tokens.size())]);
                    break;
                case 2:
                    current.erase(at, below(20));
                    break;
                case 3:
                    current.insert(at, current.substr(below(current.size()), below(60)));
                    break;
                default:
                    current.resize(at);
                }
            }
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(current.data()),
                               current.size());
    }
    std::printf("random_qcf: %ld inputs checked (seed %llu)\n", inputs, seed);
    return 0;
}
