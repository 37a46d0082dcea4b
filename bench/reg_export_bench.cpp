// Reading large registry exports: generates version 5.00 exports (a whole-hive
// sized one, 200,000 values in 20,000 keys, and a tenth of it; 20,000 and
// 200,000 values in one key of the program's own tree) and times `orvctl dump`
// on each in a process of its own, with its peak memory. Prints the figures
// and whether they meet the targets: 10 times the values in at most 12 times
// the time, the large export in under 5 s with peak memory under twice its size,
// 200,000 values in one key in under 5 s.
//   reg_export_bench ORVCTL [DIRECTORY]
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr int kValuesPerKey = 10;
constexpr int kHiveKeys = 20000;
constexpr int kRecords = 275;
constexpr double kMostGrowth = 12.0;
constexpr double kMostSeconds = 5.0;
constexpr double kMostMemoryPerByte = 2.0;
constexpr double kBytesPerMegabyte = 1024.0 * 1024.0;

// Writes text as UTF-16LE, as regedit's version 5.00 exports are.
class WideFile {
public:
    explicit WideFile(const std::string& path) : out_(path, std::ios::binary) {
        out_.write("\xFF\xFE", 2);
        line("Windows Registry Editor Version 5.00");
        line("");
    }
    void line(const std::string& text) {
        buffer_.clear();
        for (const char c : text + "\r\n") {
            buffer_ += c;
            buffer_ += '\0';
        }
        out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    }

private:
    std::ofstream out_;
    std::string buffer_;
};

std::string padded(int number, int width) {
    std::string text = std::to_string(number);
    return std::string(text.size() < static_cast<size_t>(width) ? width - text.size() : 0, '0') +
           text;
}

void writeStore(WideFile& file) {
    file.line("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane\\Properties]");
    for (int n = 1; n <= kRecords; ++n) {
        file.line("\"A" + padded(n, 3) + "\"=\"020004\"");
        file.line("\"P" + padded(n, 3) + "\"=\"3f8" + padded(n % 999 + 1, 3) +
                  "007GENERAL001002003004005005007007001005000005005005016Windows Standard\"");
    }
    file.line("");
}

// Keys of other software around the store, as a whole-hive export holds them:
// many siblings under one key, as class registrations are.
void writeHive(const std::string& path, int keys) {
    WideFile file(path);
    for (int k = 0; k < keys; ++k) {
        if (k == keys / 2) {
            writeStore(file);
        }
        const std::string component = "Classes\\CLSID\\{" + padded(k, 8) + "-0000-4000-8000}";
        file.line("[HKEY_LOCAL_MACHINE\\SOFTWARE\\" + component + "]");
        for (int v = 0; v < kValuesPerKey; ++v) {
            file.line("\"Setting" + padded(v, 2) + "\"=\"C:\\\\Program Files\\\\" + component +
                      "\\\\bin\\\\module" + padded(v, 2) + ".dll;v=1.2.3.4\"");
        }
        file.line("");
    }
}

void writeOneKey(const std::string& path, int values) {
    WideFile file(path);
    writeStore(file);
    file.line("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane\\Notes]");
    for (int v = 0; v < values; ++v) {
        file.line("\"Note" + padded(v, 7) + "\"=\"a note kept beside the settings\"");
    }
}

struct Figures {
    double seconds = 0;
    double peakMegabytes = 0;
    double sizeMegabytes = 0;
};

Figures measure(const std::string& orvctl, const std::string& path) {
    Figures figures;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    figures.sizeMegabytes = static_cast<double>(in.tellg()) / kBytesPerMegabyte;
    const auto start = std::chrono::steady_clock::now();
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        std::freopen("/dev/null", "w", stdout);
        execl(orvctl.c_str(), orvctl.c_str(), "dump", path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    figures.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    figures.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::printf("  orvctl dump %s failed (status %d)\n", path.c_str(), status);
    }
    return figures;
}

Figures report(const std::string& orvctl, const std::string& path, const char* what) {
    const auto figures = measure(orvctl, path);
    std::printf("%-40s %7.1f MB %9.2f s %8.1f MB peak\n", what, figures.sizeMegabytes,
                figures.seconds, figures.peakMegabytes);
    return figures;
}

const char* verdict(bool met) {
    return met ? "met" : "MISSED";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: reg_export_bench ORVCTL [DIRECTORY]\n");
        return 2;
    }
    const std::string orvctl = argv[1];
    const std::string directory = argc > 2 ? argv[2] : ".";
    const auto hive = directory + "/hive-200000.reg";
    const auto hiveTenth = directory + "/hive-20000.reg";
    const auto oneKey = directory + "/one-key-200000.reg";
    const auto oneKeyTenth = directory + "/one-key-20000.reg";
    writeHive(hive, kHiveKeys);
    writeHive(hiveTenth, kHiveKeys / 10);
    writeOneKey(oneKey, kHiveKeys * kValuesPerKey);
    writeOneKey(oneKeyTenth, kHiveKeys * kValuesPerKey / 10);

    std::printf("orvctl dump of generated exports (version 5.00, UTF-16LE)\n");
    const auto small = report(orvctl, hiveTenth, "20,000 values in 2,000 keys");
    const auto large = report(orvctl, hive, "200,000 values in 20,000 keys");
    const auto keySmall = report(orvctl, oneKeyTenth, "20,000 values in one key");
    const auto keyLarge = report(orvctl, oneKey, "200,000 values in one key");

    const double hiveGrowth = large.seconds / small.seconds;
    const double keyGrowth = keyLarge.seconds / keySmall.seconds;
    std::printf("10x the values, many keys: %.1fx the time (at most %.0fx): %s\n", hiveGrowth,
                kMostGrowth, verdict(hiveGrowth <= kMostGrowth));
    std::printf("10x the values, one key: %.1fx the time (at most %.0fx): %s\n", keyGrowth,
                kMostGrowth, verdict(keyGrowth <= kMostGrowth));
    std::printf("large export under %.0f s: %s; peak memory %.2fx its size (under %.0fx): %s\n",
                kMostSeconds, verdict(large.seconds < kMostSeconds),
                large.peakMegabytes / large.sizeMegabytes, kMostMemoryPerByte,
                verdict(large.peakMegabytes < kMostMemoryPerByte * large.sizeMegabytes));
    std::printf("200,000 values in one key under %.0f s: %s\n", kMostSeconds,
                verdict(keyLarge.seconds < kMostSeconds));
    return 0;
}
