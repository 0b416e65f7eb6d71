#include "opening_futures.h"

#include "state_space.h"
#include "strategy_cache.h"

#include "game/dice_rules.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <limits>
#include <sys/mman.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace daxo::solver {
namespace {

// Every few points, and the chance left off each end: the chances of
// winning on them stay within a point of the exact ones (0.6 at the most
// measured), and the four levels' openings within some 25 MiB.
constexpr int kStep = 5;
constexpr double kTail = 1.0 / 1024;

constexpr std::array<char, 8> kMagic{'D', 'A', 'X', 'O', 'O', 'P', 'E', 'N'};
constexpr std::uint32_t kFormat = 1;
constexpr std::uint32_t kByteOrder = 0x01020304;

struct Header {
    std::array<char, 8> magic;
    std::uint32_t format;
    std::uint32_t byteOrder;
    std::uint32_t rules;
    std::uint32_t engine;
    std::uint32_t boxesScored;
    std::uint32_t step;
    std::uint32_t policies;
    std::uint32_t reserved;
    std::uint64_t openings;
    std::uint64_t check;
};
static_assert(sizeof(Header) == 56);

// The openings numbered box set by box set, as the engine numbers its
// states, skipping the box sets after them.
struct OpeningIndex {
    std::array<std::int64_t, kAllBoxes + 1> first{};
    std::size_t count = 0;

    OpeningIndex()
    {
        const StateSpace& space = StateSpace::instance();
        for (unsigned mask = 0; mask <= kAllBoxes; ++mask) {
            first[mask] = -1;
            if (std::popcount(mask) <= OpeningFutures::kBoxesScored) {
                first[mask] = static_cast<std::int64_t>(count);
                count += static_cast<std::size_t>(space.laneCount(mask));
            }
        }
    }

    std::optional<std::size_t> of(const Position& position) const
    {
        if (first[position.used] < 0)
            return std::nullopt;
        return static_cast<std::size_t>(first[position.used]) + static_cast<std::size_t>(StateSpace::instance().laneOf(position));
    }
};

const OpeningIndex& openingIndex()
{
    static const OpeningIndex index;
    return index;
}

// A position of the state: a subtotal that no longer matters stands as
// the bonus banked, and the Plus and the Moins both scored as 0s.
Position positionOf(unsigned mask, int lane)
{
    const StateSpace& space = StateSpace::instance();
    const int limits = StateSpace::limitCount(mask);
    Position position{.used = mask, .subtotal = space.subtotalAt(mask & kNumberBoxes, lane / limits).value_or(kBonusThreshold)};
    const std::optional<int> limit = StateSpace::limitAt(mask, lane % limits);
    if (mask & bit(Box::Plus))
        position.plus = mask & bit(Box::Moins) ? 0 : limit;
    if (mask & bit(Box::Moins))
        position.moins = mask & bit(Box::Plus) ? 0 : limit;
    return position;
}

// A distribution while the table is worked out, from its first chance.
struct Kept {
    int lowest = 0;
    std::vector<float> chances;
};

// A hash of the bytes, word by word: any damage to them changes it.
std::uint64_t checkOf(std::span<const char> bytes)
{
    std::uint64_t hash = 0x9e3779b97f4a7c15ull ^ bytes.size();
    const auto mix = [&hash](std::uint64_t word) {
        hash = (hash ^ word) * 0xff51afd7ed558ccdull;
        hash ^= hash >> 32;
    };
    std::size_t at = 0;
    for (; at + sizeof(std::uint64_t) <= bytes.size(); at += sizeof(std::uint64_t)) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + at, sizeof word);
        mix(word);
    }
    if (at < bytes.size()) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + at, bytes.size() - at);
        mix(word);
    }
    return hash;
}

template <typename T>
void append(std::vector<char>& out, const T* data, std::size_t count)
{
    const auto* bytes = reinterpret_cast<const char*>(data);
    out.insert(out.end(), bytes, bytes + count * sizeof(T));
}

// Reads what `append` wrote, or says it is not there.
class Reader {
public:
    explicit Reader(std::span<const char> bytes) : bytes_(bytes) {}
    template <typename T>
    bool take(T* data, std::size_t count)
    {
        if (count > (bytes_.size() - at_) / sizeof(T))
            return false;
        std::memcpy(data, bytes_.data() + at_, count * sizeof(T));
        at_ += count * sizeof(T);
        return true;
    }

    std::size_t left() const { return bytes_.size() - at_; }
    void skip(std::size_t count) { at_ += count; }

private:
    std::span<const char> bytes_;
    std::size_t at_ = 0;
};

} // namespace

std::vector<std::uint8_t> OpeningFutures::encode(const PointsDistribution& points)
{
    std::vector<double> below(static_cast<std::size_t>(points.most()) + 2, 0.0);
    for (int n = 0; n <= points.most(); ++n)
        below[static_cast<std::size_t>(n) + 1] = below[static_cast<std::size_t>(n)] + points.chance(n);
    int low = 0;
    while (below[static_cast<std::size_t>(low) + 1] <= kTail)
        ++low;
    int high = points.most() + 1;
    while (below[static_cast<std::size_t>(high) - 1] >= 1 - kTail)
        --high;
    const int samples = std::clamp((high - low + kStep - 1) / kStep, 1, 255);
    std::vector<std::uint8_t> kept{static_cast<std::uint8_t>(low & 0xff), static_cast<std::uint8_t>(low >> 8),
                                   static_cast<std::uint8_t>(samples)};
    for (int i = 1; i < samples; ++i) {
        const std::size_t at = std::min(static_cast<std::size_t>(low + i * kStep), below.size() - 1);
        kept.push_back(static_cast<std::uint8_t>(std::lround(255 * std::clamp(below[at], 0.0, 1.0))));
    }
    return kept;
}

PointsDistribution OpeningFutures::decode(std::span<const std::uint8_t> kept)
{
    const int low = kept[0] | kept[1] << 8;
    const int samples = kept[2];
    std::vector<double> chances(static_cast<std::size_t>(low + samples * kStep), 0.0);
    for (int i = 0; i < samples; ++i) {
        const double from = i == 0 ? 0.0 : kept[static_cast<std::size_t>(i) + 2] / 255.0;
        const double to = i + 1 == samples ? 1.0 : kept[static_cast<std::size_t>(i) + 3] / 255.0;
        for (int n = 0; n < kStep; ++n)
            chances[static_cast<std::size_t>(low + i * kStep + n)] = (to - from) / kStep;
    }
    return PointsDistribution(std::move(chances));
}

OpeningFutures OpeningFutures::workOut(const Strategy& strategy, std::span<const Policy> policies, int threads)
{
    // Box set by box set from the last turn back, each position's future
    // from the futures one box further, which are let go once done with:
    // two rounds of boxes held at a time.
    const StateSpace& space = StateSpace::instance();
    const OpeningIndex& index = openingIndex();
    std::vector<std::vector<Kept>> futures(policies.size(), std::vector<Kept>(space.stateCount()));
    std::vector<std::vector<std::vector<std::uint8_t>>> encoded(policies.size(), std::vector<std::vector<std::uint8_t>>(index.count));
    std::array<std::vector<unsigned>, kBoxCount + 1> masksBy;
    for (unsigned mask = 0; mask <= kAllBoxes; ++mask)
        masksBy[static_cast<std::size_t>(std::popcount(mask))].push_back(mask);
    for (auto& byState : futures)
        byState[space.firstState(kAllBoxes)] = {0, {1.0f}};

    for (int scored = kBoxCount - 1; scored >= 0; --scored) {
        std::vector<std::pair<unsigned, int>> states;
        for (const unsigned mask : masksBy[static_cast<std::size_t>(scored)]) {
            for (int lane = 0; lane < space.laneCount(mask); ++lane)
                states.emplace_back(mask, lane);
        }
        std::atomic<std::size_t> next = 0;
        auto work = [&] {
            for (std::size_t i; (i = next++) < states.size();) {
                const auto [mask, lane] = states[i];
                const Position position = positionOf(mask, lane);
                const std::size_t state = space.firstState(mask) + static_cast<std::size_t>(lane);
                const TurnValues turn = strategy.turn(position);
                for (std::size_t p = 0; p < policies.size(); ++p) {
                    std::vector<double> chances;
                    int lowest = std::numeric_limits<int>::max();
                    for (const TurnEnding& ending : turnEndings(position, turn, policies[p])) {
                        const Scored after = afterScoring(position, ending.box, ending.points);
                        const Kept& then = futures[p][space.stateOf(after.position)];
                        const int from = then.lowest + ending.points + after.bonus;
                        lowest = std::min(lowest, from);
                        if (chances.size() < static_cast<std::size_t>(from) + then.chances.size())
                            chances.resize(static_cast<std::size_t>(from) + then.chances.size(), 0.0);
                        for (std::size_t n = 0; n < then.chances.size(); ++n)
                            chances[static_cast<std::size_t>(from) + n] += ending.chance * then.chances[n];
                    }
                    if (scored <= kBoxesScored)
                        encoded[p][*index.of(position)] = encode(PointsDistribution(chances));
                    futures[p][state] = {lowest, std::vector<float>(chances.begin() + lowest, chances.end())};
                }
            }
        };
        std::vector<std::jthread> workers;
        for (int t = 1; t < threads; ++t)
            workers.emplace_back(work);
        work();
        workers.clear();
        if (scored + 1 < kBoxCount) {
            for (const unsigned mask : masksBy[static_cast<std::size_t>(scored + 1)]) {
                for (auto& byState : futures) {
                    for (int lane = 0; lane < space.laneCount(mask); ++lane)
                        byState[space.firstState(mask) + static_cast<std::size_t>(lane)] = {};
                }
            }
        }
    }

    OpeningFutures all;
    for (std::size_t p = 0; p < policies.size(); ++p) {
        Openings openings;
        openings.temperature = policies[p].temperature;
        std::uint64_t size = 0;
        for (const auto& kept : encoded[p])
            size += kept.size();
        append(all.workedOut_, &openings.temperature, 1);
        append(all.workedOut_, &size, 1);
        openings.first = all.workedOut_.size();
        for (const auto& kept : encoded[p]) {
            openings.start.push_back(static_cast<std::uint32_t>(all.workedOut_.size() - openings.first));
            append(all.workedOut_, kept.data(), kept.size());
        }
        openings.start.push_back(static_cast<std::uint32_t>(size));
        all.byPolicy_.push_back(std::move(openings));
    }
    return all;
}

OpeningFutures::OpeningFutures(OpeningFutures&& other) noexcept
    : byPolicy_(std::move(other.byPolicy_))
    , workedOut_(std::move(other.workedOut_))
    , mapped_(std::exchange(other.mapped_, nullptr))
    , mappedSize_(std::exchange(other.mappedSize_, 0))
{
}

OpeningFutures& OpeningFutures::operator=(OpeningFutures&& other) noexcept
{
    std::swap(byPolicy_, other.byPolicy_);
    std::swap(workedOut_, other.workedOut_);
    std::swap(mapped_, other.mapped_);
    std::swap(mappedSize_, other.mappedSize_);
    return *this;
}

OpeningFutures::~OpeningFutures()
{
    if (mapped_)
        ::munmap(mapped_, mappedSize_);
}

std::span<const std::uint8_t> OpeningFutures::body() const
{
    if (mapped_)
        return {static_cast<const std::uint8_t*>(mapped_) + sizeof(Header), mappedSize_ - sizeof(Header)};
    return {reinterpret_cast<const std::uint8_t*>(workedOut_.data()), workedOut_.size()};
}

const OpeningFutures::Openings* OpeningFutures::find(const Policy& policy) const
{
    const auto found = std::ranges::find(byPolicy_, policy.temperature, &Openings::temperature);
    return found == byPolicy_.end() ? nullptr : &*found;
}

std::optional<PointsDistribution> OpeningFutures::toCome(const Policy& policy, const Position& position) const
{
    const Openings* openings = find(policy);
    const std::optional<std::size_t> at = openingIndex().of(position);
    if (!openings || !at)
        return std::nullopt;
    return decode(body().subspan(openings->first + openings->start[*at], openings->start[*at + 1] - openings->start[*at]));
}

bool OpeningFutures::write(const std::filesystem::path& path) const
{
    const std::span<const std::uint8_t> bytes = body();
    const std::span<const char> all(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const Header header{kMagic, kFormat, kByteOrder, kRulesVersion, kEngineVersion, kBoxesScored, kStep,
                        static_cast<std::uint32_t>(byPolicy_.size()), 0, openingIndex().count, checkOf(all)};
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(&header), sizeof header);
    file.write(all.data(), static_cast<std::streamsize>(all.size()));
    return static_cast<bool>(file.flush());
}

std::optional<OpeningFutures> OpeningFutures::read(const std::filesystem::path& path)
{
    OpeningFutures all;
    {
        const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        struct stat status{};
        if (file < 0)
            return std::nullopt;
        if (::fstat(file, &status) == 0 && static_cast<std::size_t>(status.st_size) >= sizeof(Header)) {
            void* mapped = ::mmap(nullptr, static_cast<std::size_t>(status.st_size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, file, 0);
            if (mapped != MAP_FAILED) {
                all.mapped_ = mapped;
                all.mappedSize_ = static_cast<std::size_t>(status.st_size);
            }
        }
        ::close(file);
    }
    if (!all.mapped_)
        return std::nullopt;
    Header header{};
    std::memcpy(&header, all.mapped_, sizeof header);
    const std::size_t openingCount = openingIndex().count;
    const std::span<const std::uint8_t> bytes = all.body();
    const std::span<const char> body(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (header.magic != kMagic || header.format != kFormat || header.byteOrder != kByteOrder ||
        header.rules != kRulesVersion || header.engine != kEngineVersion || header.boxesScored != kBoxesScored ||
        header.step != kStep || header.openings != openingCount || checkOf(body) != header.check)
        return std::nullopt;
    Reader reader(body);
    for (std::uint32_t p = 0; p < header.policies; ++p) {
        Openings openings;
        std::uint64_t size = 0;
        if (!reader.take(&openings.temperature, 1) || !reader.take(&size, 1) ||
            size > std::min<std::uint64_t>(reader.left(), std::numeric_limits<std::uint32_t>::max()))
            return std::nullopt;
        openings.first = body.size() - reader.left();
        reader.skip(size);
        // Each distribution says how long it is: they must fill the bytes
        // exactly, one an opening.
        const std::span<const std::uint8_t> mine = bytes.subspan(openings.first, size);
        openings.start.reserve(openingCount + 1);
        for (std::size_t at = 0; at < size && openings.start.size() < openingCount;) {
            openings.start.push_back(static_cast<std::uint32_t>(at));
            at += at + 2 < size ? mine[at + 2] + 2u : size;
        }
        openings.start.push_back(static_cast<std::uint32_t>(size));
        if (openings.start.size() != openingCount + 1)
            return std::nullopt;
        for (std::size_t i = 0; i < openingCount; ++i) {
            const std::uint32_t length = openings.start[i + 1] - openings.start[i];
            if (openings.start[i + 1] < openings.start[i] + 3 || length != mine[openings.start[i] + 2] + 2u)
                return std::nullopt;
        }
        all.byPolicy_.push_back(std::move(openings));
    }
    // Checked, its pages go back to the system's cache of files: a game
    // reads a few hundred of its distributions, each brought back as it
    // is read, and the program does not hold the other megabytes.
    ::madvise(all.mapped_, all.mappedSize_, MADV_DONTNEED);
    return all;
}

} // namespace daxo::solver
