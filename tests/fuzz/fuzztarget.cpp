// A libFuzzer target for one reader, chosen when it is built (TAVNI_FUZZ_READER); a broken
// property aborts, so libFuzzer keeps the input as a crash.
#include "checks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

constexpr auto reader = fuzzcheck::Reader::TAVNI_FUZZ_READER;

extern "C" int LLVMFuzzerInitialize(int *, char ***) { return fuzzcheck::prepare(reader), 0; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString fault = fuzzcheck::check(reader, QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size)));
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "%s reader: %s\n", qPrintable(fuzzcheck::name(reader)), qPrintable(fault));
        std::abort();
    }
    return 0;
}
