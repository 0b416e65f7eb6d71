// Any bytes read from the history's records do no harm: what decodes
// encodes again to bytes that decode to the same record, and none decodes
// to more events than it has bytes.

#include "fuzz_check.h"
#include "storage/record_codec.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const daxo::NewGameEvent start{3, 0x1234};
    const std::optional<daxo::GameRecord> record = daxo::decodeRecord(bytes, start, 7);
    if (!record)
        return 0;
    FUZZ_CHECK(record->events().size() <= size + 1);
    const std::optional<daxo::GameRecord> again = daxo::decodeRecord(daxo::encodeRecord(*record), start, 7);
    FUZZ_CHECK(again && again->events() == record->events());
    return 0;
}
