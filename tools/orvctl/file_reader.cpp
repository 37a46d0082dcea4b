#include "tools/orvctl/file_reader.h"

#include <cstdio>

#include "platform/text.h"

namespace orvctl {
namespace {

class LocalFile : public platform::ByteReader {
public:
    explicit LocalFile(std::FILE* file) : file_(file) {}
    ~LocalFile() override { std::fclose(file_); }
    LocalFile(const LocalFile&) = delete;
    LocalFile& operator=(const LocalFile&) = delete;

    size_t read(uint8_t* buffer, size_t size) override {
        return std::fread(buffer, 1, size, file_);
    }

private:
    std::FILE* file_;
};

std::FILE* openFile(const std::wstring& path, bool forWriting) {
#ifdef _WIN32
    return _wfopen(path.c_str(), forWriting ? L"wb" : L"rb");
#else
    return std::fopen(platform::toUtf8(path).c_str(), forWriting ? "wb" : "rb");
#endif
}

}  // namespace

std::unique_ptr<platform::ByteReader> openLocalFile(const std::wstring& path) {
    std::FILE* file = openFile(path, false);
    if (file == nullptr) {
        return nullptr;
    }
    return std::make_unique<LocalFile>(file);
}

bool writeLocalFile(const std::wstring& path, const std::string& bytes) {
    std::FILE* file = openFile(path, true);
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace orvctl
