// Version stamps in driver files: the scan over a file read block by block,
// against a plain search over the whole file.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <random>

#include "fuzz/fuzz_check.h"
#include "setup/driver/version_stamp.h"

namespace {

using namespace setup;

constexpr int kFewestNumbers = 2;
constexpr int kMostNumbers = 5;
// Short reads range from one byte to a little over one scan block.
constexpr size_t kLongestShortRead = 300;
const std::wstring kNoStamp = L"----";

// Hands the file over in pieces of random sizes, as a file on a network share
// may; a size of 0 is never returned before the end.
class ShortReader : public platform::ByteReader {
public:
    ShortReader(const std::vector<uint8_t>& bytes, uint32_t seed, size_t longestRead)
        : bytes_(bytes), random_(seed), longestRead_(longestRead) {}

    size_t read(uint8_t* buffer, size_t size) override {
        std::uniform_int_distribution<size_t> pieceSize(1, longestRead_);
        const size_t count = std::min({size, pieceSize(random_), bytes_.size() - pos_});
        std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_), count, buffer);
        pos_ += count;
        return count;
    }

private:
    const std::vector<uint8_t>& bytes_;
    std::minstd_rand random_;
    size_t longestRead_;
    size_t pos_ = 0;
};

// The numbers after the first marker that has n bytes after it.
std::wstring referenceStamp(const std::vector<uint8_t>& bytes, int n) {
    const size_t stampLength = kStampMarkerLength + static_cast<size_t>(n);
    for (size_t at = 0; at + stampLength <= bytes.size(); ++at) {
        if (std::memcmp(bytes.data() + at, kProgramVersionStamp, kStampMarkerLength) == 0) {
            std::wstring text;
            for (int i = 0; i < n; ++i) {
                text += (i == 0 ? L"" : L".") +
                        std::to_wstring(bytes[at + kStampMarkerLength + static_cast<size_t>(i)]);
            }
            return text;
        }
    }
    return kNoStamp;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider provider(data, size);
    // Taken from the end of the input, so that seeds are plain files.
    const auto seed = provider.ConsumeIntegral<uint32_t>();
    const auto bytes = provider.ConsumeRemainingBytes<uint8_t>();
    const std::wstring context = L"file of " + std::to_wstring(bytes.size()) + L" bytes";
    for (int n = kFewestNumbers; n <= kMostNumbers; ++n) {
        const auto expected = referenceStamp(bytes, n);
        ShortReader whole(bytes, seed, SIZE_MAX);
        fuzz::check(readVersionStamp(&whole, n) == expected,
                    "the stamp read in whole blocks is the first complete one", context);
        ShortReader pieces(bytes, seed, kLongestShortRead);
        fuzz::check(readVersionStamp(&pieces, n) == expected,
                    "the stamp read in short pieces is the first complete one", context);
    }
    return 0;
}
