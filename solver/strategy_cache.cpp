#include "strategy_cache.h"

#include "state_space.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace daxo::solver {
namespace {

constexpr std::array<char, 8> kMagic{'D', 'A', 'X', 'O', 'P', 'L', 'A', 'Y'};
constexpr std::uint32_t kFormat = 1;
// Written as this machine writes it: read back on another byte order it is
// another number.
constexpr std::uint32_t kByteOrder = 0x01020304;

struct Header {
    std::array<char, 8> magic;
    std::uint32_t format;
    std::uint32_t byteOrder;
    std::uint32_t rules;
    std::uint32_t engine;
    std::uint32_t numberSize;
    std::uint32_t reserved;
    std::uint64_t states;
    std::uint64_t check;
};
static_assert(sizeof(Header) == 48);

// A hash of the values, word by word: any damage to them changes it.
std::uint64_t checkOf(const std::vector<double>& values)
{
    std::uint64_t hash = 0x9e3779b97f4a7c15ull ^ values.size();
    for (const double value : values) {
        std::uint64_t word;
        std::memcpy(&word, &value, sizeof word);
        hash = (hash ^ word) * 0xff51afd7ed558ccdull;
        hash ^= hash >> 32;
    }
    return hash;
}

Header headerOf(const std::vector<double>& values)
{
    return {kMagic, kFormat, kByteOrder, kRulesVersion, kEngineVersion, sizeof(double), 0, values.size(), checkOf(values)};
}

bool writeAll(int file, const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(file, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool readAll(int file, void* data, std::size_t size)
{
    auto* bytes = static_cast<char*>(data);
    while (size > 0) {
        const ssize_t read = ::read(file, bytes, size);
        if (read < 0 && errno == EINTR)
            continue;
        if (read <= 0)
            return false;
        bytes += read;
        size -= static_cast<std::size_t>(read);
    }
    return true;
}

// Closes its file however the reading or writing ends.
struct File {
    int descriptor;
    ~File()
    {
        if (descriptor >= 0)
            ::close(descriptor);
    }
};

} // namespace

std::optional<Strategy> readStrategy(const std::filesystem::path& path)
{
    const File file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    Header header{};
    if (file.descriptor < 0 || !readAll(file.descriptor, &header, sizeof header))
        return std::nullopt;
    const Header expected = headerOf({});
    if (header.magic != kMagic || header.format != kFormat || header.byteOrder != kByteOrder ||
        header.rules != expected.rules || header.engine != expected.engine || header.numberSize != sizeof(double))
        return std::nullopt;
    // The count is checked against the engine's own before any memory is
    // taken for it: a damaged count asks for nothing.
    const std::size_t states = StateSpace::instance().stateCount();
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (header.states != states || error || size != sizeof header + states * sizeof(double))
        return std::nullopt;
    std::vector<double> values(states);
    if (!readAll(file.descriptor, values.data(), values.size() * sizeof(double)) || checkOf(values) != header.check)
        return std::nullopt;
    return Strategy::fromTable(std::move(values));
}

bool writeStrategy(const Strategy& strategy, const std::filesystem::path& path)
{
    if (!strategy.isWhole())
        return false;
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    const std::filesystem::path draft = path.string() + ".new-" + std::to_string(::getpid());
    bool written = false;
    {
        const File file{::open(draft.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644)};
        const Header header = headerOf(strategy.table());
        written = file.descriptor >= 0 && writeAll(file.descriptor, &header, sizeof header) &&
                  writeAll(file.descriptor, strategy.table().data(), strategy.table().size() * sizeof(double)) &&
                  ::fsync(file.descriptor) == 0;
    }
    if (written && ::rename(draft.c_str(), path.c_str()) == 0)
        return true;
    std::filesystem::remove(draft, error);
    return false;
}

} // namespace daxo::solver
