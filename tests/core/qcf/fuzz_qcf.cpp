// Property check for the .qcf reader and writer, run by libFuzzer (fuzz_qcf) and
// by the seeded random driver (random_qcf). Any violation aborts.
#include "files/qcf_format.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool ok, const char *what) {
    if (!ok) {
        std::fprintf(stderr, "qcf property violated: %s\n", what);
        std::abort();
    }
}

// Every text of the configuration, in field order.
std::array<const QByteArray *, qcf::kDesignations + 1> texts(const qcf::Configuration &c) {
    std::array<const QByteArray *, qcf::kDesignations + 1> all{&c.panel};
    for (int i = 0; i < qcf::kDesignations; ++i)
        all[i + 1] = &c.designations[i];
    return all;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const qcf::ReadResult read =
        qcf::parse(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (read.error != qcf::ReadError::None) {
        check(!read.config, "a failed read carries no configuration");
        check(read.field >= 1 && read.field <= qcf::kFieldCount, "failure names a field 1..42");
        check(!qcf::describe(read).isEmpty(), "failure has a text");
        return 0;
    }
    check(read.config.has_value() && read.field == 0, "success carries a configuration");
    check(qcf::describe(read).isEmpty(), "success has no text");
    const qcf::Configuration &first = *read.config;

    // Whatever was read is written as one file that reads back. Texts are not
    // escaped, so a text holding a double quote reads back only up to that quote;
    // everything else, codes included, must come back unchanged.
    const QByteArray written = qcf::format(first);
    check(written.endsWith("\r\n") && written.count(',') >= qcf::kFieldCount - 1,
          "written file is one line of 42 fields");
    const qcf::ReadResult reread = qcf::parse(written);
    check(reread.config.has_value(), "a written file reads back");
    const qcf::Configuration &second = *reread.config;
    check(second.codes == first.codes, "codes survive writing and reading");

    bool quoted = false;
    const auto before = texts(first);
    const auto after = texts(second);
    for (std::size_t i = 0; i < before.size(); ++i) {
        const qsizetype quote = before[i]->indexOf('"');
        quoted = quoted || quote >= 0;
        check(*after[i] == (quote < 0 ? *before[i] : before[i]->left(quote)),
              "texts read back (up to an inner quote)");
    }
    const QByteArray rewritten = qcf::format(second);
    if (!quoted) check(rewritten == written, "format(parse(format(c))) == format(c)");

    // After one pass nothing changes any more.
    const qcf::ReadResult third = qcf::parse(rewritten);
    check(third.config.has_value() && qcf::format(*third.config) == rewritten,
          "writing and reading is a fixed point");
    return 0;
}
