#pragma once
// Little- and big-endian integer appends for the binary file formats the generator writes.

#include <QByteArray>
#include <cstdint>

namespace vm {

inline void AppendLe16(QByteArray& out, std::uint32_t value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

inline void AppendLe32(QByteArray& out, std::uint32_t value) {
    AppendLe16(out, value & 0xFFFF);
    AppendLe16(out, value >> 16);
}

inline void AppendBe16(QByteArray& out, std::uint32_t value) {
    out.append(static_cast<char>((value >> 8) & 0xFF));
    out.append(static_cast<char>(value & 0xFF));
}

inline void AppendBe32(QByteArray& out, std::uint32_t value) {
    AppendBe16(out, value >> 16);
    AppendBe16(out, value & 0xFFFF);
}

}  // namespace vm
