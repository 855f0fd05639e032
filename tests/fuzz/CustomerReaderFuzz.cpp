// Fuzz target for the customer database reader. Built with libFuzzer under
// clang (see clang/), and with FuzzReplayMain.cpp under any compiler so that
// the tests replay the committed corpus.
#include "customers/CustomerFile.h"

#include <cstddef>
#include <cstdint>
#include <unordered_set>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const CustomerFile::Contents read = CustomerFile::read(bytes);

    // What was read must be unique, and must survive a write and a read unchanged.
    std::unordered_set<uint32_t> numbers;
    QByteArray written;
    for (const Customer& c : read.customers) {
        if (c.custno == 0 || !numbers.insert(c.custno).second || c.custno > read.highest)
            __builtin_trap();
        CustomerFile::write(c, written);
    }
    // The writer takes CR LF and a lone CR as line breaks, and reading
    // drops blanks at the end of each line.
    auto comparable = [](ombrel::OMString text) {
        text.replaceAll("\r\n", "\n");
        text.replaceAll("\r", "\n");
        return text.trimmed();
    };
    const CustomerFile::Contents again = CustomerFile::read(written);
    if (again.customers.size() != read.customers.size())
        __builtin_trap();
    for (auto a = again.customers.begin(), r = read.customers.begin(); a != again.customers.end();
         ++a, ++r) {
        if (a->custno != r->custno || comparable(a->surname) != comparable(r->surname) ||
            comparable(a->address.first) != comparable(r->address.first))
            __builtin_trap();
    }
    return 0;
}
